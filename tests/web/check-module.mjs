// The page's module (build-web/site/sferonda-api.mjs) run by node, for what
// the page's check does not see: a stop and a fatal error end the call, not
// the module, with the fatal line; each case comes back as named fields; the full-capacity model converted ten
// times leaves the memory as it found it. (The page's check compares the
// files of the examples and of their batch with the goldens.)
//
// Usage: node check-module.mjs SITE PROGRAM MAKE_MODEL SCRATCH

import { execFileSync } from 'node:child_process';
import { createRequire } from 'node:module';
import { mkdirSync, readFileSync, rmSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const [site, , makeModel, scratch] = process.argv.slice(2).map((path) => resolve(path));
const ROOT = fileURLToPath(new URL('../..', import.meta.url));
const failures = [];
const check = (ok, what) => { if (!ok) failures.push(what); };

// The module was made for the web and node; as an ES module under node it
// needs require and its bytes handed over.
globalThis.require = createRequire(import.meta.url);
globalThis.__dirname = site;
const { loadSferonda } = await import(pathToFileURL(join(site, 'sferonda-api.mjs')));
const sferonda = await loadSferonda({ wasmBinary: readFileSync(join(site, 'sferonda.wasm')) });

const example = (name) => ({ name, bytes: readFileSync(join(ROOT, 'examples', name)) });
const [dat, col] = [example('chain.dat'), example('chain.col')];
const stopped = sferonda.convert(7, dat, col, 'chain');
check(stopped.ending === 'stop' && stopped.console.includes('Display type 7 not valid'), `type 7: ${stopped.ending}`);
// chain.dat: 300 beads, 299 connectors; the type is refused before the file is named.
const [refused] = stopped.cases;
check(stopped.cases.length === 1 && refused.displayType === 7 && refused.coordinates === 'chain.dat' &&
      refused.colors === 'chain.col' && refused.outputName === 'chain' && refused.fileName === '' &&
      !refused.written && refused.refusal === '*** ERROR Display type 7 not valid in this versionof Sferonda' &&
      refused.beads === 300 && refused.connectors === 299 && refused.omittedConnectors === 0,
      `type 7 case: ${JSON.stringify(refused)}`);
const fatal = sferonda.batch([{ name: 'main.inp', bytes: Buffer.from('1\nchain.dat\nabsent.col\nchain\n-1\n') }, dat], 'main.inp');
check(fatal.ending === 'fatal' && fatal.status === 29 &&
      fatal.fatalLine === 'forrtl: severe (29): file not found, unit 3, file absent.col' &&
      fatal.errorNumber === 29 && fatal.fatalUnit === 3 && fatal.fatalFile === 'absent.col', `fatal: ${fatal.fatalLine}`);

// Bead 2 has radius 0 and connector 2 joins two beads at one place: the glTF file leaves both out, and so does the drawing.
const text = (name, lines) => ({ name, bytes: Buffer.from(lines.join('\n') + '\n') });
const holes = sferonda.gltf(text('holes.dat', ['3', '1 0 0 0 1', '2 0 0 0 0', '3 4 0 0 1', '2', '1 1 3 0.5', '2 1 2 0.5']),
                            text('holes.col', ['3', '1 2', '2 2', '3 2', '2', '1 2', '2 2']), 'holes');
check(holes.model && holes.model.beadDrawn.join() === '1,0,1' && holes.model.connectorDrawn.join() === '1,0' &&
      holes.cases[0].omittedBeads === 1 && holes.cases[0].omittedConnectors === 1,
      `omitted: ${JSON.stringify(holes.model && [...holes.model.beadDrawn, ...holes.model.connectorDrawn])}`);

mkdirSync(scratch, { recursive: true });
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
