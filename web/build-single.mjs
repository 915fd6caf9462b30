// Makes the page in one file, sferonda.html, that opens from the disk with
// no server and no network: the page's code with three.js, three-mesh-bvh
// and fflate bundled by esbuild into one inline module script; the worker
// bundled with the program whose .wasm is inline (sferonda-single.js) into
// one classic script, which the page starts from a blob; the examples in
// base64. The served page's index.html is the frame.
//
// Usage: node build-single.mjs SINGLE_LOADER EXAMPLES OUT.html
// (SINGLE_LOADER: emscripten's sferonda-single.js; EXAMPLES: the folder of
// the example models' files.)

import { build } from 'esbuild';
import { readFileSync, readdirSync, writeFileSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

const [loader, examples, out] = process.argv.slice(2).map((path) => resolve(path));
const WEB = fileURLToPath(new URL('.', import.meta.url));

async function bundle(entry, options) {
    const { outputFiles } = await build({
        entryPoints: [join(WEB, entry)], bundle: true, minify: true, write: false, logLevel: 'warning',
        legalComments: 'inline', absWorkingDir: WEB, ...options,
    });
    return outputFiles[0].text;
}

// The worker's program is the build with its .wasm inline; in a classic
// script emscripten's loader has no import.meta.url, which it needs only to
// find a .wasm beside it.
const program = {
    name: 'the program with its .wasm inline',
    setup(esbuild) {
        esbuild.onResolve({ filter: /^\.\/sferonda\.js$/ }, () => ({ path: loader }));
    },
};
const worker = await bundle('single-worker.mjs', { format: 'iife', plugins: [program],
                                                   define: { 'import.meta.url': 'undefined' } });
const page = await bundle('page.mjs', { format: 'esm' });
const files = Object.fromEntries(readdirSync(examples).sort().map((name) =>
    [name, readFileSync(join(examples, name)).toString('base64')]));

// A script element ends at the first "</script": none may hold one.
const inline = { worker, page, examples: JSON.stringify(files) };
for (const [name, text] of Object.entries(inline)) {
    if (/<\/script/i.test(text)) throw new Error(`the ${name} holds "</script" and cannot be inlined`);
}

const frame = readFileSync(join(WEB, 'index.html'), 'utf8');
const importMap = /<script type="importmap">[^]*?<\/script>\n/;
const pageScript = '<script type="module" src="./page.mjs"></script>';
if (!importMap.test(frame) || !frame.includes(pageScript)) throw new Error('index.html: no import map or page script');
const html = frame.replace(importMap, '').replace(pageScript, () =>
    `<script type="application/json" id="sferonda-examples">${inline.examples}</script>\n` +
    `<script type="text/plain" id="sferonda-worker">${worker}</script>\n` +
    `<script type="module">${page}</script>`);
writeFileSync(out, html);
console.log(`${out}: ${Buffer.byteLength(html)} bytes`);
