// The page of build-web/site in Chromium and in Firefox ESR (when installed
// and a display is there, as under xvfb-run), served from 127.0.0.1:
// each example's two files set on the file input give the golden files
// behind the download links (the .glb: the native `sferonda gltf`'s), and
// the counts; the same files given again run again, and files given during
// a run run after it; a 44-character and an accented name give whole names;
// "Try an example" and "Download all" give the helix's files; the example
// batch gives its goldens and console; a count mismatch and a bad color
// index show the program's message and no link for what it refused; the
// full-capacity model is converted and drawn within 10 s; on a phone's
// screen the picture is at least 300 pixels wide. Chromium without WebGL
// converts and says it cannot draw. No console error, no request after
// load, no blank picture. The page in one file (sferonda.html beside
// SITE), opened from the disk in both browsers, gives the examples' files
// and "Download all" with no request but for itself. For the full-capacity
// model, what the page names under the pointer is the model's; the check
// prints the longest hold of the page's thread while the picture is built,
// the time to the links, and the cost of looking under the pointer.
//
// Usage: node check-page.mjs SITE PROGRAM MAKE_MODEL SCRATCH
// (the native program and the model maker from the Linux build). Exit
// status 0 passed, 1 failed, 77 skipped (Chromium or puppeteer-core missing).

import { createServer } from 'node:http';
import { execFileSync } from 'node:child_process';
import { existsSync, mkdirSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { dirname, extname, join, resolve } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { unzipSync } from 'fflate';

const [site, program, makeModel, scratch] = process.argv.slice(2).map((path) => resolve(path));
const ROOT = fileURLToPath(new URL('../..', import.meta.url));
const EXAMPLES = join(ROOT, 'examples');
const GOLDENS = join(ROOT, 'tests/golden/examples');
const SINGLE = join(dirname(site), 'sferonda.html');
const CHROMIUM = '/usr/bin/chromium';
const FIREFOX = '/usr/bin/firefox-esr';
const CAPACITY_SECONDS = 10;
const TYPES = { '.html': 'text/html', '.mjs': 'text/javascript', '.js': 'text/javascript', '.wasm': 'application/wasm' };
const failures = [];
const check = (ok, what) => { if (!ok) failures.push(what); };

function skip(reason) {
    console.log(`SKIPPED: ${reason}`);
    process.exit(77);
}

if (!existsSync(CHROMIUM)) skip(`${CHROMIUM} is not installed (Debian: apt-get install chromium)`);
if (!existsSync(join(site, 'sferonda.wasm'))) skip(`${site} is not built (bash scripts/build-web.sh)`);
let puppeteer;
try {
    ({ default: puppeteer } = await import('puppeteer-core'));
} catch {
    skip('puppeteer-core is not installed (npm ci in tests/web)');
}

const requests = [];
const server = createServer((request, response) => {
    requests.push(request.url);
    const file = join(site, decodeURIComponent(new URL(request.url, 'http://127.0.0.1').pathname));
    if (!file.startsWith(site + '/') || !existsSync(file)) {
        response.writeHead(404);
        response.end();
        return;
    }
    response.writeHead(200, { 'Content-Type': TYPES[extname(file)] ?? 'application/octet-stream' });
    response.end(readFileSync(file));
});
await new Promise((ready) => server.listen(0, '127.0.0.1', ready));

rmSync(scratch, { recursive: true, force: true });
mkdirSync(join(scratch, 'shots'), { recursive: true });
const write = (name, text) => { writeFileSync(join(scratch, name), text); return join(scratch, name); };
const example = (name) => join(EXAMPLES, name);

// What the native program writes for one model with `sferonda gltf`.
function nativeGlb(coordinates, colors, name) {
    execFileSync(program, ['gltf', coordinates, colors, join(scratch, name + '.glb')]);
    return readFileSync(join(scratch, name + '.glb'));
}

// The counts a model's coordinates file announces: its first line, and the line after the beads.
function announcedCounts(coordinates) {
    const lines = readFileSync(coordinates, 'latin1').split(/\r?\n/);
    const beads = Number(lines[0]);
    return [beads, Number(lines[beads + 1])];
}

const BROWSERS = {
    chromium: { executablePath: CHROMIUM, headless: true,
                args: ['--no-sandbox', '--disable-gpu', '--use-gl=angle', '--use-angle=swiftshader',
                       '--enable-unsafe-swiftshader', '--disable-background-networking', '--disable-component-update'] },
    // Headless Firefox has no WebGL: it runs in the display that xvfb-run gives, with Mesa's.
    firefox: { browser: 'firefox', executablePath: FIREFOX, headless: false, protocol: 'webDriverBiDi' },
    'chromium without WebGL': { executablePath: CHROMIUM, headless: true, args: ['--no-sandbox', '--disable-webgl'] },
};

// A page of `browser` loaded and ready, with what is needed to give it files and read what it shows:
// the served page, or the page in one file opened from the disk, which may ask for nothing else.
async function openPage(browserName, fromDisk = false) {
    const browser = await puppeteer.launch(BROWSERS[browserName]);
    const page = await browser.newPage();
    await page.setViewport({ width: 1280, height: 800 });
    const errors = [];
    page.on('console', (message) => message.type() === 'error' && errors.push(message.text()));
    page.on('pageerror', (error) => errors.push(error.message));
    const url = fromDisk ? pathToFileURL(SINGLE).href : `http://127.0.0.1:${server.address().port}/index.html`;
    if (fromDisk) {
        page.on('request', (request) => /^(blob|data):/.test(request.url()) || request.url() === url ||
            errors.push(`request for ${request.url()}`));
    }
    requests.length = 0;
    await page.goto(url);
    await page.waitForFunction(() => window.sferondaPage?.ready, { timeout: 60000 });
    return { browser, page, errors, loaded: requests.length, name: fromDisk ? `${browserName}-sferonda.html` : browserName };
}

// What the page shows once `runs` more selections have run.
async function shown(at, name, runs, started) {
    const { page } = at;
    await page.waitForFunction((count) => window.sferondaPage.runs >= count && window.sferondaPage.done,
                               { timeout: 120000 }, runs);
    const seconds = (Date.now() - started) / 1000;
    await page.screenshot({ path: join(scratch, 'shots', `${at.name}-${name}.png`) });
    const seen = await page.evaluate(async () => {
        const base64 = async (href) => {
            const bytes = new Uint8Array(await (await fetch(href)).arrayBuffer());
            let text = '';
            for (let i = 0; i < bytes.length; i += 0x8000) text += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
            return btoa(text);
        };
        const links = [];
        for (const link of document.querySelectorAll('#summary a[download]')) links.push({ name: link.download, base64: await base64(link.href) });
        const all = document.getElementById('download-all');
        // The share of the picture that is not the background's color.
        const canvas = document.getElementById('scene');
        const copy = Object.assign(document.createElement('canvas'), { width: canvas.width, height: canvas.height });
        const context = copy.getContext('2d');
        context.drawImage(canvas, 0, 0);
        const pixels = context.getImageData(0, 0, copy.width, copy.height).data;
        let drawn = 0;
        for (let i = 0; i < pixels.length; i += 4) drawn += pixels[i] !== pixels[0] || pixels[i + 1] !== pixels[1] ? 1 : 0;
        return { links, drawn: drawn / (pixels.length / 4), counts: document.getElementById('counts').textContent,
                 summary: document.getElementById('summary').textContent, console: document.getElementById('console').textContent,
                 zip: all.hidden ? null : await base64(all.href), status: document.getElementById('status').textContent,
                 runs: window.sferondaPage.runs, error: window.sferondaPage.error };
    });
    check(!seen.error, `${at.name}, ${name}: the page failed: ${seen.error}`);
    const files = new Map(seen.links.map((link) => [link.name, Buffer.from(link.base64, 'base64')]));
    return { ...seen, files, seconds };
}

// Sets each of `selections` (lists of files) on the input, one after the other without waiting.
async function give(at, name, ...selections) {
    const started = Date.now();
    const before = await at.page.evaluate(() => window.sferondaPage.runs);
    for (const chosen of selections) await (await at.page.$('#files')).uploadFile(...chosen);
    return shown(at, name, before + selections.length, started);
}

function expectFiles(name, seen, expected) {
    check([...seen.files.keys()].sort().join() === [...expected.keys()].sort().join(),
          `${name}: links ${[...seen.files.keys()]} instead of ${[...expected.keys()]}`);
    for (const [file, bytes] of expected) {
        check(seen.files.has(file) && seen.files.get(file).equals(bytes), `${name}: ${file} differs from the expected bytes`);
    }
}

// The seven files of an example model, under the output name `name`: the output name is in none of them.
const EXTENSIONS = ['.bea', '.ppv', '.pov', '-worm.pov', '.pi', '.vrml'];
function exampleFiles(model, name = model) {
    const expected = new Map(EXTENSIONS.map((extension) => [name + extension, readFileSync(join(GOLDENS, model + extension))]));
    expected.set(name + '.glb', nativeGlb(example(model + '.dat'), example(model + '.col'), name));
    return expected;
}

async function checkExamples(at) {
    for (const model of ['chain', 'compact', 'helix', 'single', 'star']) {
        const [coordinates, colors] = [example(model + '.dat'), example(model + '.col')];
        const seen = await give(at, model, [coordinates, colors]);
        expectFiles(`${at.name}, ${model}`, seen, exampleFiles(model));
        const [beads, connectors] = announcedCounts(coordinates);
        check(seen.counts.startsWith(`${beads} beads, ${connectors} connectors`), `${at.name}, ${model}: counts "${seen.counts}"`);
        check(seen.drawn > 0.005, `${at.name}, ${model}: the picture is blank`);
    }
    const again = await give(at, 'helix-again', [example('helix.dat'), example('helix.col')]);
    expectFiles(`${at.name}, the same files again`, again, exampleFiles('helix'));
    const queued = await give(at, 'given-during-a-run', [example('chain.dat'), example('chain.col')],
                              [example('star.dat'), example('star.col')]);
    expectFiles(`${at.name}, files given during a run`, queued, exampleFiles('star'));
    const one = await give(at, 'one-file', [example('helix.dat')]);
    expectFiles(`${at.name}, one file keeps the results`, one, exampleFiles('star'));
}

async function checkNames(at) {
    const long = 'a-very-long-model-name-over-thirty-chars-44';
    const accented = `a${'é'.repeat(16)}`;
    for (const [stem, name] of [[long, 'a-very-long-model-nam'], [accented, `a${'é'.repeat(10)}`]]) {
        const files = ['.dat', '.col'].map((extension) => write(stem + extension, readFileSync(example('helix' + extension))));
        expectFiles(`${at.name}, ${stem}`, await give(at, 'long-name', files), exampleFiles('helix', name));
    }
}

async function checkExampleButton(at) {
    const before = await at.page.evaluate(() => window.sferondaPage.runs);
    await at.page.click('#try-example');
    const seen = await shown(at, 'try-an-example', before + 1, Date.now());
    const expected = exampleFiles('helix');
    expectFiles(`${at.name}, Try an example`, seen, expected);
    const zipped = new Map(Object.entries(unzipSync(Buffer.from(seen.zip ?? '', 'base64'))).map(([name, bytes]) => [name, Buffer.from(bytes)]));
    expectFiles(`${at.name}, Download all`, { files: zipped }, expected);
}

async function checkBatch(at) {
    const batchFiles = readdirSync(EXAMPLES).filter((name) => /\.(dat|col|inp|inc)$/.test(name)).map(example);
    const batch = await give(at, 'batch', batchFiles);
    const goldens = new Map(readdirSync(GOLDENS).filter((name) => name !== 'console.txt')
        .map((name) => [name, readFileSync(join(GOLDENS, name))]));
    expectFiles(`${at.name}, batch`, batch, goldens);
    check(batch.console === readFileSync(join(GOLDENS, 'console.txt'), 'latin1'), `${at.name}, batch: the console differs from the golden`);
    check(batch.drawn > 0.005, `${at.name}, batch: the picture is blank`);
}

// Two beads announced, one colored: nothing is written. One bead of color 9, which neither the
// pseudo-PDB file nor the Polyray scene checks: every other scene is refused.
async function checkRefusals(at) {
    const mismatch = await give(at, 'count-mismatch', [write('pair.dat', '2\n1 0 0 0 1\n2 3 0 0 1\n0\n'),
                                                       write('pair.col', '1\n1 3\n0\n')]);
    check(mismatch.files.size === 0, `${at.name}, count mismatch: links ${[...mismatch.files.keys()]}`);
    check(/Numbers of beads in the two files not equal\s+2\s+1/.test(mismatch.summary), `${at.name}, count mismatch: no message`);
    const badColor = await give(at, 'bad-color', [write('odd.dat', '1\n1 0 0 0 1\n0\n'), write('odd.col', '1\n1 9\n0\n')]);
    check([...badColor.files.keys()].sort().join() === 'odd.bea,odd.pi', `${at.name}, bad color: links ${[...badColor.files.keys()]}`);
    const words = badColor.summary.replace(/\s+/g, ' ');
    check(words.includes('ERROR: Bead # 1 invalid index color: 9') &&
          words.includes('ERROR: Invalid ball #00001 index color.'), `${at.name}, bad color: no message`);
}

// How long the page's thread is held: a timer of 0 ms turns again and again, and each turn notes the
// gap since the one before; and when the first link shows.
function watchThread(page, firstLink) {
    return page.evaluate((firstLink) => {
        const watch = { gaps: [], last: performance.now() };
        window.threadWatch = watch;
        const turn = () => {
            const now = performance.now();
            watch.gaps.push([watch.last, now]);
            watch.last = now;
            watch.timer = setTimeout(turn, 0);
        };
        turn();
        new MutationObserver((changes, observer) => {
            if (!document.querySelector(`#summary a[download="${firstLink}"]`)) return;
            watch.links = performance.now();
            observer.disconnect();
        }).observe(document.getElementById('summary'), { childList: true, subtree: true });
        watch.started = performance.now();
    }, firstLink);
}

// The longest hold of the thread while the picture was built (from the page's handing its numbers to
// the picture's drawer until it was drawn) and over the whole run, and the seconds to the links.
function threadHeld(page) {
    return page.evaluate(() => {
        const watch = window.threadWatch;
        clearTimeout(watch.timer);
        const picture = performance.getEntriesByName('sferonda-picture').at(-1);
        const longest = (from, to) => Math.max(0, ...watch.gaps.filter(([start]) => start >= from && start < to)
            .map(([start, end]) => end - start));
        const end = picture && picture.startTime + picture.duration;
        return { picture: picture && longest(picture.startTime, end), building: picture?.duration,
                 run: longest(0, end), links: (watch.links - watch.started) / 1000 };
    });
}

// The capacity model's beads [x, y, z, radius, color index] and connectors [first, second, radius].
function capacityModel() {
    const [coordinates, colors] = ['full.dat', 'full.col'].map((name) => readFileSync(join(scratch, name), 'latin1').split('\n'));
    const fields = (line) => line.trim().split(/\s+/).slice(1).map(Number);
    const count = Number(coordinates[0]);
    const beads = coordinates.slice(1, count + 1).map((line, i) => [...fields(line), fields(colors[i + 1])[0]]);
    const connectors = coordinates.slice(count + 2, count + 2 + Number(coordinates[count + 1])).map(fields);
    return { beads, connectors };
}

// The ray through the point (u, v) of the picture (from its top left corner) in the page's reset view:
// along -z at the centre of the beads' bounding box, from 0.8 of the distance at which the box's
// bounding sphere fills the 35-degree field.
function rayAt(u, v, aspect, beads) {
    const low = [0, 1, 2].map((axis) => Math.min(...beads.map((bead) => bead[axis] - bead[3])));
    const high = [0, 1, 2].map((axis) => Math.max(...beads.map((bead) => bead[axis] + bead[3])));
    const half = (17.5 * Math.PI) / 180;
    const distance = Math.hypot(...high.map((h, axis) => h - low[axis])) / 2 / Math.sin(half);
    const origin = low.map((l, axis) => (l + high[axis]) / 2 + (axis === 2 ? 0.8 * distance : 0));
    const toward = [(2 * u - 1) * Math.tan(half) * aspect, (1 - 2 * v) * Math.tan(half), -1];
    return { origin, direction: toward.map((t) => t / Math.hypot(...toward)) };
}

function distanceToRay(point, { origin, direction }) {
    const w = point.map((p, axis) => p - origin[axis]);
    const along = Math.max(0, w.reduce((sum, value, axis) => sum + value * direction[axis], 0));
    return Math.hypot(...w.map((value, axis) => value - along * direction[axis]));
}

// Whether what the page names under the pointer is the model's (a bead's centre, radius and color
// index, a connector's beads and radius, as the files give them) and lies on the pointer's ray
// (a quarter of a unit spared for where the pointer falls inside its pixel).
function isUnderThePointer(text, ray, { beads, connectors }) {
    const near = (shown, given) => Math.abs(Number(shown) - given) <= 1e-4 * Math.max(1, Math.abs(given));
    const bead = /^Bead (\d+): centre \((\S+), (\S+), (\S+)\), radius (\S+), color index (\d+)$/.exec(text);
    if (bead) {
        const [, number, ...shown] = bead;
        const given = beads[Number(number) - 1];
        return given !== undefined && given.every((value, i) => near(shown[i], value)) &&
            distanceToRay(given.slice(0, 3), ray) <= given[3] + 0.25;
    }
    const connector = /^Connector (\d+): beads (\d+) and (\d+), radius (\S+), color index \d+$/.exec(text);
    const given = connector && connectors[Number(connector[1]) - 1];
    if (!given || !given.every((value, i) => near(connector[i + 2], value))) return false;
    const [a, b] = [beads[given[0] - 1], beads[given[1] - 1]];
    const along = Array.from({ length: 201 }, (_, k) => [0, 1, 2].map((axis) => a[axis] + (k / 200) * (b[axis] - a[axis])));
    return Math.min(...along.map((point) => distanceToRay(point, ray))) <= given[2] + 0.25;
}

// The pointer rests on points of the picture in turn: what is under it is named as the model has it,
// and the costs of looking are the browser's timings of it. And a drag of 10 steps across the picture.
async function checkPointer(at) {
    const { page } = at;
    const box = await (await page.$('#scene')).boundingBox();
    const costs = [];
    const model = capacityModel();
    let named = 0;
    for (const [u, v] of [[0.5, 0.5], [0.4, 0.45], [0.6, 0.55], [0.45, 0.6], [0.55, 0.4]]) {
        await page.evaluate(() => performance.clearMeasures('sferonda-pick'));
        await page.mouse.move(box.x + u * box.width, box.y + v * box.height);
        await page.waitForFunction(() => performance.getEntriesByName('sferonda-pick').length > 0, { timeout: 10000 });
        const [cost, picked] = await page.evaluate(() => [performance.getEntriesByName('sferonda-pick')[0].duration,
                                                          document.getElementById('picked').textContent]);
        costs.push(cost);
        if (picked === '') continue;
        named += 1;
        check(isUnderThePointer(picked, rayAt(u, v, box.width / box.height, model.beads), model),
              `${at.name}, capacity: "${picked}" named at (${u}, ${v}) of the picture, which is not there`);
    }
    check(named > 0, `${at.name}, capacity: nothing named under the pointer at any of ${costs.length} points`);
    const started = Date.now();
    await page.mouse.move(box.x + 0.3 * box.width, box.y + 0.5 * box.height);
    await page.mouse.down();
    await page.mouse.move(box.x + 0.7 * box.width, box.y + 0.5 * box.height, { steps: 10 });
    await page.mouse.up();
    const drag = (Date.now() - started) / 1000;
    console.log(`${at.name}: under the pointer: ${costs.map((cost) => cost.toFixed(1)).join(', ')} ms at ${costs.length} points ` +
                `(${named} named something); a drag of 10 steps: ${drag.toFixed(2)} s`);
}

async function checkCapacity(at) {
    await watchThread(at.page, 'full.pov');
    const full = await give(at, 'capacity', [join(scratch, 'full.dat'), join(scratch, 'full.col')]);
    const held = await threadHeld(at.page);
    const fullNames = [...full.files.keys()].sort().join();
    check(fullNames === ['full-worm.pov', 'full.glb', 'full.pi', 'full.pov', 'full.ppv', 'full.vrml'].join(),
          `${at.name}, capacity: links ${fullNames}`);
    check(full.counts.startsWith('10,000 beads, 25,000 connectors'), `${at.name}, capacity: counts "${full.counts}"`);
    check(full.summary.includes('greater than dimension'), `${at.name}, capacity: no message for the .bea`);
    check(full.seconds <= CAPACITY_SECONDS, `${at.name}, capacity: ${full.seconds} s to the first picture`);
    check(full.drawn > 0.005, `${at.name}, capacity: the picture is blank`);
    check(held.picture !== undefined, `${at.name}, capacity: the page did not time its picture`);
    console.log(`${at.name}: capacity model: links after ${held.links.toFixed(2)} s, converted and drawn in ` +
                `${full.seconds.toFixed(2)} s; the picture built in ${held.building?.toFixed(0)} ms, holding the page's ` +
                `thread at most ${held.picture?.toFixed(0)} ms at a time (${held.run.toFixed(0)} ms over the whole run)`);
    await checkPointer(at);
}

// On a phone's screen one column: the picture at least 300 pixels wide, nothing wider than the screen.
async function checkScreens(at) {
    const inSight = await at.page.evaluate(() => document.getElementById('try-example').getBoundingClientRect().bottom);
    check(inSight <= 800, `${at.name}: the controls end ${inSight} pixels down, below the fold`);
    await at.page.setViewport({ width: 390, height: 844 });
    await at.page.screenshot({ path: join(scratch, 'shots', `${at.name}-phone.png`), fullPage: true });
    const [picture, page] = await at.page.evaluate(() => [document.getElementById('scene').clientWidth, document.documentElement.scrollWidth]);
    check(picture >= 300 && page <= 390, `${at.name}, phone: picture ${picture} pixels wide, page ${page}`);
    await at.page.setViewport({ width: 1280, height: 800 });
}

async function finish(at) {
    check(requests.length === at.loaded, `${at.name}: requests after load: ${requests.slice(at.loaded)}`);
    check(at.errors.length === 0, `${at.name}: console errors: ${at.errors}`);
    await at.browser.close();
}

execFileSync(makeModel, ['10000', '25000', join(scratch, 'full.dat'), join(scratch, 'full.col')]);
const browsers = ['chromium'];
if (existsSync(FIREFOX) && process.env.DISPLAY) browsers.push('firefox');
else console.log(`Firefox: not checked (${FIREFOX} and a display, as under xvfb-run, are needed)`);
for (const name of browsers) {
    const started = Date.now();
    const at = await openPage(name);
    await checkExamples(at);
    await checkNames(at);
    await checkExampleButton(at);
    await checkScreens(at);
    await checkBatch(at);
    await checkRefusals(at);
    await checkCapacity(at);
    await finish(at);
    console.log(`${name}: ${((Date.now() - started) / 1000).toFixed(1)} s`);
    check(existsSync(SINGLE), `${SINGLE} is missing`);
    if (!existsSync(SINGLE)) continue;
    const single = await openPage(name, true);
    await checkExamples(single);
    await checkExampleButton(single);
    await finish(single);
}
const blind = await openPage('chromium without WebGL');
const helix = await give(blind, 'helix', [example('helix.dat'), example('helix.col')]);
expectFiles('without WebGL', helix, exampleFiles('helix'));
check(await blind.page.$eval('#no-picture', (note) => !note.hidden), 'without WebGL: no word that it cannot draw');
await finish(blind);
server.close();
for (const failure of failures) console.log(`FAILED: ${failure}`);
console.log(failures.length === 0 ? 'the page passed every check' : `${failures.length} failures`);
process.exit(failures.length === 0 ? 0 : 1);
