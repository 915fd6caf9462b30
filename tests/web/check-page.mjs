// The page of build-web/site in headless Chromium, served from 127.0.0.1:
// each example's two files set on the file input give the golden files
// behind the download links (the .glb: the native `sferonda gltf`'s), and
// the counts; the example batch gives its goldens and console; a count
// mismatch and a bad color index show the program's message and no link
// for what it refused; the full-capacity model is converted and drawn
// within 10 s. No console error, no request after load, no blank picture.
//
// Usage: node check-page.mjs SITE PROGRAM MAKE_MODEL SCRATCH
// (the native program and the model maker from the Linux build). Exit
// status 0 passed, 1 failed, 77 skipped (Chromium or playwright-core missing).

import { createServer } from 'node:http';
import { execFileSync } from 'node:child_process';
import { existsSync, mkdirSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { extname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

const [site, program, makeModel, scratch] = process.argv.slice(2).map((path) => resolve(path));
const ROOT = fileURLToPath(new URL('../..', import.meta.url));
const EXAMPLES = join(ROOT, 'examples');
const GOLDENS = join(ROOT, 'tests/golden/examples');
const CHROMIUM = '/usr/bin/chromium';
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
let chromium;
try {
    ({ chromium } = await import('playwright-core'));
} catch {
    skip('playwright-core is not installed (npm ci in tests/web)');
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

const browser = await chromium.launch({
    executablePath: CHROMIUM, headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--use-gl=angle', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
           '--disable-background-networking', '--disable-component-update'],
});
const page = await browser.newPage({ viewport: { width: 1200, height: 800 } });
const errors = [];
page.on('console', (message) => message.type() === 'error' && errors.push(message.text()));
page.on('pageerror', (error) => errors.push(error.message));
await page.goto(`http://127.0.0.1:${server.address().port}/index.html`);
await page.waitForFunction(() => window.sferondaPage?.ready, null, { timeout: 30000 });
const loaded = requests.length;

// Sets `files` on the input and answers what the page shows once it is done.
async function give(name, chosen) {
    const started = Date.now();
    await page.setInputFiles("#files", chosen);
    await page.waitForFunction(() => window.sferondaPage?.done, null, { timeout: 120000 });
    const seconds = (Date.now() - started) / 1000;
    await page.screenshot({ path: join(scratch, 'shots', name + '.png') });
    const shown = await page.evaluate(async () => {
        const links = [];
        for (const link of document.querySelectorAll('a[download]')) {
            const bytes = new Uint8Array(await (await fetch(link.href)).arrayBuffer());
            let text = '';
            for (let i = 0; i < bytes.length; i += 0x8000) text += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
            links.push({ name: link.download, base64: btoa(text) });
        }
        // The share of the picture that is not the background's color.
        const canvas = document.getElementById('scene');
        const copy = Object.assign(document.createElement('canvas'), { width: canvas.width, height: canvas.height });
        const context = copy.getContext('2d');
        context.drawImage(canvas, 0, 0);
        const pixels = context.getImageData(0, 0, copy.width, copy.height).data;
        let drawn = 0;
        for (let i = 0; i < pixels.length; i += 4) drawn += pixels[i] !== pixels[0] || pixels[i + 1] !== pixels[1] ? 1 : 0;
        return { links, drawn: drawn / (pixels.length / 4), counts: document.getElementById('counts').textContent,
                 refusals: document.getElementById('links').textContent, console: document.getElementById('console').textContent,
                 error: window.sferondaPage.error };
    });
    check(!shown.error, `${name}: the page failed: ${shown.error}`);
    const files = new Map(shown.links.map((link) => [link.name, Buffer.from(link.base64, 'base64')]));
    return { ...shown, files, seconds };
}

function expectFiles(name, shown, expected) {
    check([...shown.files.keys()].sort().join() === [...expected.keys()].sort().join(),
          `${name}: links ${[...shown.files.keys()]} instead of ${[...expected.keys()]}`);
    for (const [file, bytes] of expected) {
        check(shown.files.has(file) && shown.files.get(file).equals(bytes), `${name}: ${file} differs from the expected bytes`);
    }
}

const EXTENSIONS = ['.bea', '.ppv', '.pov', '-worm.pov', '.pi', '.vrml'];
for (const model of ['chain', 'compact', 'helix', 'single', 'star']) {
    const [coordinates, colors] = [example(model + '.dat'), example(model + '.col')];
    const shown = await give(model, [coordinates, colors]);
    const expected = new Map(EXTENSIONS.map((extension) => [model + extension, readFileSync(join(GOLDENS, model + extension))]));
    expected.set(model + '.glb', nativeGlb(coordinates, colors, model));
    expectFiles(model, shown, expected);
    const [beads, connectors] = announcedCounts(coordinates);
    check(shown.counts.startsWith(`${beads} beads, ${connectors} connectors;`), `${model}: counts "${shown.counts}"`);
    check(shown.drawn > 0.005, `${model}: the picture is blank`);
}

const batchFiles = readdirSync(EXAMPLES).filter((name) => /\.(dat|col|inp|inc)$/.test(name)).map(example);
const batch = await give('batch', batchFiles);
const goldens = new Map(readdirSync(GOLDENS).filter((name) => name !== 'console.txt')
    .map((name) => [name, readFileSync(join(GOLDENS, name))]));
expectFiles('batch', batch, goldens);
check(batch.console === readFileSync(join(GOLDENS, 'console.txt'), 'latin1'), 'batch: the console differs from the golden');

// Two beads announced, one colored: nothing is written. One bead of color 9, which neither the
// pseudo-PDB file nor the Polyray scene checks: every other scene is refused.
const mismatch = await give('count-mismatch', [write('pair.dat', '2\n1 0 0 0 1\n2 3 0 0 1\n0\n'),
                                               write('pair.col', '1\n1 3\n0\n')]);
check(mismatch.files.size === 0, `count mismatch: links ${[...mismatch.files.keys()]}`);
check(/Numbers of beads in the two files not equal\s+2\s+1/.test(mismatch.refusals), 'count mismatch: no message');
const badColor = await give('bad-color', [write('odd.dat', '1\n1 0 0 0 1\n0\n'), write('odd.col', '1\n1 9\n0\n')]);
check([...badColor.files.keys()].sort().join() === 'odd.bea,odd.pi', `bad color: links ${[...badColor.files.keys()]}`);
check(badColor.refusals.includes('ERROR: Bead # 1 invalid index color: 9') &&
      badColor.refusals.includes('ERROR: Invalid ball #00001 index color.'), 'bad color: no message');

execFileSync(makeModel, ['10000', '25000', join(scratch, 'full.dat'), join(scratch, 'full.col')]);
const full = await give('capacity', [join(scratch, 'full.dat'), join(scratch, 'full.col')]);
const fullNames = [...full.files.keys()].sort().join();
check(fullNames === ['full-worm.pov', 'full.glb', 'full.pi', 'full.pov', 'full.ppv', 'full.vrml'].join(),
      `capacity: links ${fullNames}`);
check(full.refusals.includes('greater than dimension'), 'capacity: no message for the .bea');
check(full.seconds <= CAPACITY_SECONDS, `capacity: ${full.seconds} s to the first picture`);
check(full.drawn > 0.005, 'capacity: the picture is blank');
console.log(`capacity model converted and drawn in ${full.seconds.toFixed(2)} s`);

check(requests.length === loaded, `requests after load: ${requests.slice(loaded)}`);
check(errors.length === 0, `console errors: ${errors}`);
await browser.close();
server.close();
for (const failure of failures) console.log(`FAILED: ${failure}`);
console.log(failures.length === 0 ? 'the page passed every check' : `${failures.length} failures`);
process.exit(failures.length === 0 ? 0 : 1);
