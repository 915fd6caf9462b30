// The page's module (build-web/site/sferonda-api.mjs) run by node: both
// golden batches give their files and console; each display type of a
// model gives its golden file; a stop and a fatal error end the call, not
// the module; the glTF file is the native `sferonda gltf`'s; the
// full-capacity model converted ten times leaves the memory as it found it.
//
// Usage: node check-module.mjs SITE PROGRAM MAKE_MODEL SCRATCH

import { execFileSync } from 'node:child_process';
import { createRequire } from 'node:module';
import { mkdirSync, readFileSync, readdirSync, rmSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const [site, program, makeModel, scratch] = process.argv.slice(2).map((path) => resolve(path));
const ROOT = fileURLToPath(new URL('../..', import.meta.url));
const failures = [];
const check = (ok, what) => { if (!ok) failures.push(what); };
const same = (bytes, expected) => Buffer.from(bytes).equals(expected);

// The module was made for the web and node; as an ES module under node it
// needs require and its bytes handed over.
globalThis.require = createRequire(import.meta.url);
globalThis.__dirname = site;
const { loadSferonda } = await import(pathToFileURL(join(site, 'sferonda-api.mjs')));
const sferonda = await loadSferonda({ wasmBinary: readFileSync(join(site, 'sferonda.wasm')) });
const folder = (path) => readdirSync(path).map((name) => ({ name, bytes: readFileSync(join(path, name)) }));
const named = (files) => new Map(files.map((file) => [file.name, file.bytes]));

for (const [inputs, goldens] of [['examples', 'tests/golden/examples'], ['tests/golden/rare/input', 'tests/golden/rare/expected']]) {
    const run = sferonda.batch(folder(join(ROOT, inputs)), 'main.inp');
    const expected = named(folder(join(ROOT, goldens)));
    check(run.ending === 'normal' && run.status === 0, `${inputs}: ended ${run.ending} ${run.status}`);
    check(same(Buffer.from(run.console, 'latin1'), expected.get('console.txt')), `${inputs}: the console differs`);
    expected.delete('console.txt');
    const written = named(run.files);
    check([...written.keys()].sort().join() === [...expected.keys()].sort().join(), `${inputs}: wrote ${[...written.keys()]}`);
    for (const [name, bytes] of expected) check(written.has(name) && same(written.get(name), bytes), `${inputs}: ${name} differs`);
}

const example = (name) => ({ name, bytes: readFileSync(join(ROOT, 'examples', name)) });
const [dat, col] = [example('chain.dat'), example('chain.col')];
sferonda.convertAll(dat, col, 'chain').forEach((run, i) => {
    const name = 'chain' + ['.bea', '.ppv', '.pov', '-worm.pov', '.pi', '.vrml'][i];
    const file = run.files.find((written) => written.name === name);
    check(file && same(file.bytes, readFileSync(join(ROOT, 'tests/golden/examples', name))), `display type ${i + 1}: ${name}`);
});
const stopped = sferonda.convert(7, dat, col, 'chain');
check(stopped.ending === 'stop' && stopped.console.includes('Display type 7 not valid'), `type 7: ${stopped.ending}`);
const fatal = sferonda.batch([{ name: 'main.inp', bytes: Buffer.from('1\nchain.dat\nabsent.col\nchain\n-1\n') }, dat], 'main.inp');
check(fatal.ending === 'fatal' && fatal.status === 29 &&
      fatal.fatalLine === 'forrtl: severe (29): file not found, unit 3, file /models/absent.col', `fatal: ${fatal.fatalLine}`);

mkdirSync(scratch, { recursive: true });
execFileSync(program, ['gltf', join(ROOT, 'examples/chain.dat'), join(ROOT, 'examples/chain.col'), join(scratch, 'chain.glb')]);
const glb = sferonda.gltf(dat, col, 'chain');
check(glb.files.length === 1 && same(glb.files[0].bytes, readFileSync(join(scratch, 'chain.glb'))), 'chain.glb differs');

execFileSync(makeModel, ['10000', '25000', join(scratch, 'full.dat'), join(scratch, 'full.col')]);
const full = [join(scratch, 'full.dat'), join(scratch, 'full.col')].map((path, i) => ({ name: ['full.dat', 'full.col'][i], bytes: readFileSync(path) }));
let memory = 0;
for (let round = 1; round <= 10; round++) {
    const runs = [...sferonda.convertAll(...full, 'full'), sferonda.gltf(...full, 'full')];
    check(runs.every((run) => run.ending === (run === runs[0] ? 'stop' : 'normal')), `capacity round ${round}: ${runs.map((run) => run.ending)}`);
    if (round === 2) memory = sferonda.memorySize();
    if (round === 10) check(sferonda.memorySize() === memory, `memory grew from ${memory} to ${sferonda.memorySize()} bytes`);
}
rmSync(scratch, { recursive: true, force: true });
for (const failure of failures) console.log(`FAILED: ${failure}`);
console.log(failures.length === 0 ? `the module passed every check (memory ${memory} bytes)` : `${failures.length} failures`);
process.exit(failures.length === 0 ? 0 : 1);
