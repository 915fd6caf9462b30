// The page: takes the files, runs the program on them in WebAssembly, and
// shows the console, the model, its counts and every file it wrote.

import { ModelView } from './model-view.mjs';

const $ = (id) => document.getElementById(id);
let links = [];

// A main input file ends in .inp. Of two model files the colors file ends in
// .col and the coordinates file in .dat; otherwise the colors file is the one
// whose second line holds two numbers (a color index), the coordinates
// file's holds five (a bead).
function isColorsFile(file) {
    if (/\.col$/i.test(file.name)) return true;
    if (/\.dat$/i.test(file.name)) return false;
    const lines = new TextDecoder().decode(file.bytes.subarray(0, 4096)).split(/\r?\n/);
    return (lines[1] ?? '').trim().split(/[\s,]+/).length === 2;
}

// The coordinates file's name without its extension; the program cuts it as it cuts every name.
function outputName(fileName) {
    return fileName.replace(/\.[^.]*$/, '');
}

function addLink(file) {
    const url = URL.createObjectURL(new Blob([file.bytes]));
    links.push(url);
    const item = document.createElement('li');
    const link = document.createElement('a');
    link.href = url;
    link.download = file.name;
    link.textContent = file.name;
    item.append(link, ` (${file.bytes.length.toLocaleString('en')} bytes)`);
    $('links').append(item);
}

// Each case of a run: its file, when written whole, gets a link; otherwise
// the program's own words on why not, and any fatal line.
function showCase(run, runCase) {
    const file = runCase.written && run.files.find((written) => written.name === runCase.fileName);
    if (file) {
        addLink(file);
        return;
    }
    const item = document.createElement('li');
    item.className = 'refused';
    const kind = runCase.displayType === 0 ? 'glTF' : `display type ${runCase.displayType}`;
    const words = [runCase.refusal, run.fatalLine].join(' ').replace(/\s+/g, ' ').trim();
    item.textContent = `${kind} (${runCase.fileName}): not written. ${words}`;
    $('links').append(item);
}

function showConsole(runs) {
    $('console').textContent = runs.map((run) => run.console + (run.fatalLine ? run.fatalLine + '\n' : '')).join('');
}

function clearResults() {
    for (const url of links) URL.revokeObjectURL(url);
    links = [];
    $('links').replaceChildren();
    $('console').textContent = '';
    $('picked').textContent = '';
    $('counts').textContent = 'No model yet.';
}

function showCounts(run) {
    const [drawn] = run.cases;
    $('counts').textContent = `${drawn.beads} beads, ${drawn.connectors} connectors; ` +
        `omitted: ${drawn.omittedBeads} beads, ${drawn.omittedConnectors} connectors`;
}

// The program in a worker (sferonda-worker.mjs): each call answers a promise
// of what the run answers.
function startProgram() {
    const worker = new Worker(new URL('./sferonda-worker.mjs', import.meta.url), { type: 'module' });
    const waiting = new Map();
    let lastId = 0;
    worker.onmessage = ({ data }) => {
        const call = waiting.get(data.id);
        waiting.delete(data.id);
        if ('error' in data) call.reject(new Error(data.error));
        else call.resolve(data.result);
    };
    worker.onerror = (event) => {
        event.preventDefault();
        for (const call of waiting.values()) call.reject(new Error(event.message || 'the program could not start'));
        waiting.clear();
    };
    return (method, ...args) => new Promise((resolve, reject) => {
        waiting.set(++lastId, { resolve, reject });
        worker.postMessage({ id: lastId, method, args });
    });
}

async function convertModel(program, view, files) {
    const [colors, coordinates] = isColorsFile(files[0]) ? files : [files[1], files[0]];
    const name = outputName(coordinates.name);
    const runs = await program('convertAll', coordinates, colors, name);
    const scene = await program('gltf', coordinates, colors, name);
    showConsole([...runs, scene]);
    for (const run of [...runs, scene]) run.cases.forEach((runCase) => showCase(run, runCase));
    if (scene.model) {
        showCounts(scene);
        view.show(scene.model);
    } else {
        view.clear();
        $('counts').textContent = 'The program refused the model: see its console.';
    }
}

async function runBatch(program, view, files, main) {
    const run = await program('batch', files, main.name);
    showConsole([run]);
    run.files.forEach(addLink);
    view.clear();
    $('counts').textContent = `The batch of ${main.name} ended: ${run.ending}` +
        (run.ending === 'fatal' ? ` (error ${run.status})` : '') + '.';
}

async function takeFiles(program, view, chosen) {
    const files = await Promise.all([...chosen].map(async (file) => ({
        name: file.name, bytes: new Uint8Array(await file.arrayBuffer()) })));
    clearResults();
    const started = performance.now();
    const main = files.find((file) => /\.inp$/i.test(file.name));
    if (main) {
        await runBatch(program, view, files, main);
    } else if (files.length === 2) {
        await convertModel(program, view, files);
    } else {
        $('status').textContent = 'Give two files (coordinates and connectors, colors) or a main input file with its model files.';
        return;
    }
    const seconds = (performance.now() - started) / 1000;
    $('status').textContent = `Done in ${seconds.toFixed(2)} s.`;
    window.sferondaPage = { done: true, seconds };
}

function describe(picked) {
    if (!picked) return '';
    const at = (values) => values.map((v) => v.toPrecision(5)).join(', ');
    if (picked.kind === 'bead') {
        return `Bead ${picked.number}: centre (${at(picked.centre)}), radius ${picked.radius.toPrecision(5)}, color index ${picked.color}`;
    }
    return `Connector ${picked.number}: beads ${picked.beads[0]} and ${picked.beads[1]}, radius ${picked.radius.toPrecision(5)}, color index ${picked.color}`;
}

async function main() {
    const view = new ModelView($('scene'), (picked) => { $('picked').textContent = describe(picked); });
    $('reset-view').addEventListener('click', () => view.resetView());
    const program = startProgram();
    try {
        await program('ready');
    } catch (error) {
        $('status').textContent = `The program could not start: ${error.message}`;
        return;
    }
    $('status').textContent = 'Ready: choose or drop the model files.';
    let working = false;
    const take = async (chosen) => {
        if (working) {
            $('status').textContent = 'Still working on the files before: give these again when it is done.';
            return;
        }
        working = true;
        window.sferondaPage = { done: false };
        $('status').textContent = 'Working…';
        try {
            await takeFiles(program, view, chosen);
        } catch (error) {
            $('status').textContent = `The page failed: ${error.message}`;
            window.sferondaPage = { done: true, error: error.message };
        }
        working = false;
    };
    $('files').addEventListener('change', () => take($('files').files));
    document.addEventListener('dragover', (event) => {
        event.preventDefault();
        document.body.classList.add('dropping');
    });
    document.addEventListener('dragleave', () => document.body.classList.remove('dropping'));
    document.addEventListener('drop', (event) => {
        event.preventDefault();
        document.body.classList.remove('dropping');
        take(event.dataTransfer.files);
    });
    window.sferondaPage = { ready: true };
}

main();
