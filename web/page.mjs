// The page: takes the files, runs the program on them in WebAssembly, and
// shows in plain words what it wrote, every file as a link, the model and
// the program's console. New results replace the old ones all at once.

import { ModelView } from './model-view.mjs';
import { inUserNames, layOutBatch, layOutModel, offeredName } from './file-names.mjs';
import { RunQueue } from './run-queue.mjs';
import { startWorker } from './start-worker.mjs';
import { caseSentence, count, endingSentence, isAnsweredPrompt, kindOf, modelCounts } from './summary.mjs';

const $ = (id) => document.getElementById(id);
const EXAMPLES = ['helix', 'chain', 'star', 'compact', 'single'];
const decoder = new TextDecoder();
let links = [];

// A main input file ends in .inp. Of two model files the colors file ends in
// .col and the coordinates file in .dat; otherwise the colors file is the one
// whose second line holds two numbers (a color index), the coordinates
// file's holds five (a bead).
function isColorsFile(file) {
    if (/\.col$/i.test(file.name)) return true;
    if (/\.dat$/i.test(file.name)) return false;
    const lines = decoder.decode(file.bytes.subarray(0, 4096)).split(/\r?\n/);
    return (lines[1] ?? '').trim().split(/[\s,]+/).length === 2;
}

// Why a selection cannot be run, or '' when it can.
function notAModel(files) {
    if (files.some((file) => /\.inp$/i.test(file.name)) || files.length === 2) return '';
    const given = files.length === 0 ? 'Nothing was given' :
        files.length === 1 ? `One file was given (${files[0].name})` :
            `${files.length} files were given, none of them a main input file (.inp)`;
    return `${given}: a model needs two files, its coordinates and connectors and its colors; ` +
        'a batch needs its main input file and the files it names. The results before stay.';
}

// The entries of the summary for one run: per case a sentence, the program's words and its file.
function runEntries(run, userNames, offered) {
    const fatal = inUserNames(run.fatalLine, userNames);
    const entries = run.cases.map((runCase) => {
        const file = runCase.written && run.files.find((written) => written.name === runCase.fileName);
        const size = file && file.bytes.length > 0 ? file.bytes.length : undefined;
        if (size !== undefined) offered.add(file);
        const words = size !== undefined ? '' : inUserNames(runCase.refusal, userNames) || fatal;
        return { sentence: caseSentence(runCase, size, fatal), words, file: size !== undefined && file,
                 use: kindOf(runCase.displayType).use };
    });
    // A stop is told by the refusal before it, a fatal error by its line.
    const told = entries.some((entry) => (run.ending === 'stop' ? entry.words : entry.words === fatal));
    if (run.ending !== 'normal' && !told) {
        entries.push({ sentence: endingSentence(run), words: fatal });
    }
    return entries;
}

async function convertModel(program, files) {
    const [colors, coordinates] = isColorsFile(files[0]) ? files : [files[1], files[0]];
    const laid = layOutModel(coordinates, colors);
    const runs = await program('convertAll', laid.coordinates, laid.colors, laid.outputName);
    const scene = await program('gltf', laid.coordinates, laid.colors, laid.outputName);
    const counts = scene.model ? modelCounts(scene.cases[0]) :
        'The picture and the glTF file were refused: the summary says why.';
    return { runs: [...runs, scene], userNames: laid.userNames, model: scene.model, counts,
             zipName: `${laid.outputName}.zip`, title: `${coordinates.name} and ${colors.name}` };
}

// The model of the batch's last case that was written, converted again to draw it.
async function drawBatchCase(program, run, laidOut) {
    const fileNamed = (name) => laidOut.find((file) => decoder.decode(file.name) === name.trim());
    const drawn = run.cases.findLast((runCase) => runCase.written && fileNamed(runCase.coordinates) &&
        fileNamed(runCase.colors));
    if (!drawn) return { model: null, counts: '' };
    const scene = await program('gltf', fileNamed(drawn.coordinates), fileNamed(drawn.colors), 'drawn');
    if (!scene.model) return { model: null, counts: '' };
    return { model: scene.model, counts: ` Drawn: ${drawn.coordinates.trim()}, ${modelCounts(scene.cases[0])}.` };
}

async function runBatch(program, files, main) {
    const laidOut = layOutBatch(files);
    const run = await program('batch', laidOut, main.name);
    const { model, counts } = await drawBatchCase(program, run, laidOut);
    const ended = run.ending === 'normal' ? 'ran to its end' : run.ending === 'stop' ? 'was stopped by the program' :
        `stopped at error ${run.errorNumber}`;
    return { runs: [run], userNames: new Map(), model, counts: `The batch of ${main.name} ${ended}.${counts}`,
             zipName: `${main.name.replace(/\.[^.]*$/, '') || 'batch'}.zip`, title: main.name, batch: true };
}

function linkTo(file) {
    const { name, why } = offeredName(file.name);
    const url = URL.createObjectURL(new Blob([file.bytes]));
    links.push(url);
    const link = Object.assign(document.createElement('a'), { href: url, download: name, textContent: name });
    const note = why ? ` (the program named it "${file.name}": ${why})` : '';
    return [link, note];
}

function summaryItem(entry) {
    const item = document.createElement('li');
    item.append(entry.sentence, ' ');
    if (entry.file) item.append(...linkTo(entry.file));
    if (entry.words) {
        item.className = 'refused';
        item.append(Object.assign(document.createElement('span'), { className: 'words', textContent: entry.words }));
    }
    if (entry.file && entry.use) item.append(Object.assign(document.createElement('span'), { className: 'use', textContent: entry.use }));
    return item;
}

// The files a run wrote that are no case's own: the batch's log.
function otherFiles(runs) {
    return runs.flatMap((run) => run.files.filter((file) =>
        !run.cases.some((runCase) => runCase.fileName === file.name)));
}

// An empty one is named, not offered.
function otherItem(file) {
    const item = document.createElement('li');
    if (file.bytes.length === 0) item.append(`${file.name}: empty, not offered.`);
    else item.append(`Also written, ${count(file.bytes.length)} bytes: `, ...linkTo(file));
    return item;
}

function consoleLines(runs) {
    const text = runs.map((run) => run.console + (run.fatalLine ? run.fatalLine + '\n' : '')).join('');
    return text.split(/(?<=\n)/).map((line) => isAnsweredPrompt(line) ?
        Object.assign(document.createElement('span'), { className: 'prompt', textContent: line }) : line);
}

// The zip is made in the program's worker: a big model's files take the page's thread a second.
async function downloadAll(program, files, zipName) {
    const link = $('download-all');
    link.hidden = true;
    if (files.length === 0) return;
    const zip = await program('zip', Object.fromEntries(files.map((file) => [offeredName(file.name).name, file.bytes])));
    const url = URL.createObjectURL(new Blob([zip], { type: 'application/zip' }));
    links.push(url);
    Object.assign(link, { href: url, download: zipName, textContent: `Download all ${files.length} files as ${zipName}`,
                          hidden: false });
}

// The number of files offered, and a promise of "Download all".
function present(program, result) {
    for (const url of links) URL.revokeObjectURL(url);
    links = [];
    const offered = new Set();
    const entries = result.runs.flatMap((run) => runEntries(run, result.userNames, offered));
    const others = result.batch ? otherFiles(result.runs) : [];
    $('summary').replaceChildren(...entries.map(summaryItem), ...others.map(otherItem));
    const zipped = downloadAll(program, [...offered, ...others.filter((file) => file.bytes.length > 0)], result.zipName);
    $('console').replaceChildren(...consoleLines(result.runs));
    $('counts').textContent = result.counts;
    $('picked').textContent = '';
    return [offered.size, zipped];
}

// The program in a worker (program-calls.mjs): each call answers a promise
// of what the run answers.
function startProgram() {
    const worker = startWorker('sferonda-program', new URL('./sferonda-worker.js', import.meta.url), { type: 'module' });
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

function describe(picked) {
    if (!picked) return '';
    const at = (values) => values.map((v) => v.toPrecision(5)).join(', ');
    if (picked.kind === 'bead') {
        return `Bead ${picked.number}: centre (${at(picked.centre)}), radius ${picked.radius.toPrecision(5)}, color index ${picked.color}`;
    }
    return `Connector ${picked.number}: beads ${picked.beads[0]} and ${picked.beads[1]}, radius ${picked.radius.toPrecision(5)}, color index ${picked.color}`;
}

// The picture, or where the browser has no WebGL a word in its place: converting needs none.
function makeView() {
    const cannotDraw = () => {
        $('scene').hidden = true;
        $('reset-view').hidden = true;
        $('no-picture').hidden = false;
    };
    if (!document.createElement('canvas').getContext('webgl2') && !document.createElement('canvas').getContext('webgl')) {
        cannotDraw();
        return { show() {}, clear() {} };
    }
    const view = new ModelView($('scene'), (picked) => { $('picked').textContent = describe(picked); }, cannotDraw);
    $('reset-view').addEventListener('click', () => view.resetView());
    return view;
}

const readFiles = (chosen) => Promise.all([...chosen].map(async (file) => ({
    name: file.name, bytes: new Uint8Array(await file.arrayBuffer()) })));

async function runSelection(program, view, selection) {
    const files = await selection;
    const refused = notAModel(files);
    if (refused) {
        $('status').textContent = refused;
        return;
    }
    const started = performance.now();
    const main = files.find((file) => /\.inp$/i.test(file.name));
    const result = main ? await runBatch(program, files, main) : await convertModel(program, files);
    const [written, zipped] = present(program, result);
    await Promise.all([zipped, result.model ? view.show(result.model) : view.clear()]);
    const seconds = ((performance.now() - started) / 1000).toFixed(2);
    const batchEnd = result.batch && result.runs[0].ending !== 'normal' ? ` ${result.counts}` : '';
    $('status').textContent = `${result.title}: ${written} files written in ${seconds} s.${batchEnd}`;
}

// The page in one file carries the examples too, in base64.
async function loadExamples() {
    const inline = document.getElementById('sferonda-examples');
    if (inline) {
        return Object.entries(JSON.parse(inline.textContent)).map(([name, base64]) =>
            ({ name, bytes: Uint8Array.from(atob(base64), (character) => character.charCodeAt(0)) }));
    }
    const fetched = EXAMPLES.flatMap((name) => ['.dat', '.col'].map(async (extension) => {
        const response = await fetch(`./examples/${name}${extension}`);
        if (!response.ok) throw new Error(`the example ${name}${extension} is missing`);
        return { name: name + extension, bytes: new Uint8Array(await response.arrayBuffer()) };
    }));
    return Promise.all(fetched);
}

function listen(queue, examples) {
    const input = $('files');
    input.addEventListener('change', () => {
        // The input is cleared once its files are taken, so that the same files chosen again run again.
        const chosen = [...input.files];
        input.value = '';
        queue.give(readFiles(chosen));
    });
    input.addEventListener('cancel', () => queue.give(Promise.resolve([])));
    $('try-example').disabled = false;
    $('try-example').addEventListener('click', () => {
        const name = $('example').value;
        queue.give(Promise.resolve(examples.filter((file) => file.name.startsWith(name + '.'))));
    });
    document.addEventListener('dragover', (event) => {
        event.preventDefault();
        document.body.classList.add('dropping');
    });
    document.addEventListener('dragleave', () => document.body.classList.remove('dropping'));
    document.addEventListener('drop', (event) => {
        event.preventDefault();
        document.body.classList.remove('dropping');
        queue.give(readFiles(event.dataTransfer.files));
    });
}

async function main() {
    const view = makeView();
    const program = startProgram();
    let examples;
    try {
        [examples] = await Promise.all([loadExamples(), program('ready')]);
    } catch (error) {
        $('status').textContent = `The program could not start: ${error.message}`;
        return;
    }
    const state = { ready: true, runs: 0, done: true };
    window.sferondaPage = state;
    const queue = new RunQueue(async (selection) => {
        Object.assign(state, { done: false });
        $('status').textContent = queue.waiting > 0 ? `Working… (${queue.waiting} more waiting)` : 'Working…';
        await runSelection(program, view, selection);
        Object.assign(state, { runs: state.runs + 1, done: queue.waiting === 0 });
    }, (error) => {
        $('status').textContent = `The page failed: ${error.message}`;
        Object.assign(state, { runs: state.runs + 1, done: queue.waiting === 0, error: error.message });
    });
    listen(queue, examples);
    $('status').textContent = 'Ready: choose or drop the model files, or try an example.';
}

main();
