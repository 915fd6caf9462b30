// Bundles the page's workers with esbuild, from the npm packages pinned in
// package-lock.json, and makes the page in one file, sferonda.html, that
// opens from the disk with no server and no network.
//
// In SITE: view-worker.js (the picture: three.js, OrbitControls,
// three-mesh-bvh) and sferonda-worker.js (the program's runs, with fflate for
// "Download all"; it loads SITE/sferonda.js and fetches sferonda.wasm).
// sferonda.html: the page's code in one inline module script; the two
// workers each one classic script in the page, started from a blob, the
// program's with its .wasm inline (SINGLE_LOADER); the examples in base64.
// SITE/index.html is the frame.
//
// Usage: node bundle.mjs SITE SINGLE_LOADER OUT.html

import { build } from 'esbuild';
import { readFileSync, readdirSync, writeFileSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

const [site, singleLoader, out] = process.argv.slice(2).map((path) => resolve(path));
const WEB = fileURLToPath(new URL('.', import.meta.url));

// The program's module: the site's, or the build with its .wasm inline.
const programAt = (loader) => ({
    name: 'the program',
    setup(esbuild) {
        esbuild.onResolve({ filter: /^\.\/sferonda\.js$/ }, () => ({ path: loader }));
    },
});

async function bundle(entry, format, options = {}) {
    const { outputFiles } = await build({
        entryPoints: [join(WEB, entry)], bundle: true, minify: true, write: false, logLevel: 'warning',
        legalComments: 'inline', format, ...options,
    });
    return outputFiles[0].text;
}

const view = await bundle('view-worker.mjs', 'iife');
writeFileSync(join(site, 'view-worker.js'), view);
// The site's module runs under node too, where it asks for fs and path; never in a browser.
writeFileSync(join(site, 'sferonda-worker.js'), await bundle('sferonda-worker.mjs', 'esm',
    { plugins: [programAt(join(site, 'sferonda.js'))], external: ['fs', 'path'] }));

// In a classic script emscripten's loader has no import.meta.url, which it
// needs only to find a .wasm beside it.
const program = await bundle('single-worker.mjs', 'iife', { plugins: [programAt(singleLoader)],
                                                             define: { 'import.meta.url': 'undefined' } });
const page = await bundle('page.mjs', 'esm');
const examples = join(site, 'examples');
const files = Object.fromEntries(readdirSync(examples).sort().map((name) =>
    [name, readFileSync(join(examples, name)).toString('base64')]));

// A script element ends at the first "</script": none may hold one.
const inline = { program, view, page, examples: JSON.stringify(files) };
for (const [name, text] of Object.entries(inline)) {
    if (/<\/script/i.test(text)) throw new Error(`the ${name} holds "</script" and cannot be inlined`);
}
const frame = readFileSync(join(site, 'index.html'), 'utf8');
const pageScript = '<script type="module" src="./page.mjs"></script>';
if (!frame.includes(pageScript)) throw new Error(`index.html: no ${pageScript}`);
const html = frame.replace(pageScript, () =>
    `<script type="application/json" id="sferonda-examples">${inline.examples}</script>\n` +
    `<script type="text/plain" id="sferonda-program">${program}</script>\n` +
    `<script type="text/plain" id="sferonda-view">${view}</script>\n` +
    `<script type="module">${page}</script>`);
writeFileSync(out, html);
console.log(`${out}: ${Buffer.byteLength(html)} bytes`);
