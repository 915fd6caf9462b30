// The page's own logic under node, no browser: the names it gives the
// program and offers back, and the queue of files given during a run.
import assert from 'node:assert/strict';
import { layOutBatch, offeredName, outputName } from '../../web/file-names.mjs';
import { RunQueue } from '../../web/run-queue.mjs';

const utf8 = (text) => new TextEncoder().encode(text);

// The program keeps 30 bytes of a file's name: the output name leaves room for "-worm.pov"
// (21 bytes), cut between characters and at the first blank.
assert.equal(outputName('a-very-long-model-name-over-thirty-chars.dat'), 'a-very-long-model-nam');
assert.equal(outputName(`a${'é'.repeat(16)}.dat`), `a${'é'.repeat(10)}`);
assert.equal(outputName('two words.dat'), 'two');
assert.equal(outputName(' lead.dat'), 'model');

// A batch's long name is also laid out as the 30 bytes the program reads, cut inside a character.
const [, cut] = layOutBatch([{ name: `a${'é'.repeat(20)}.dat`, bytes: utf8('x') }]);
assert.deepEqual(cut.name, Uint8Array.of(...utf8(`a${'é'.repeat(14)}`), 0xc3));
assert.equal(layOutBatch([{ name: 'short.dat', bytes: utf8('x') }]).length, 1);

assert.equal(offeredName('.vrml').name, 'model.vrml');
assert.equal(offeredName('-worm.pov').name, 'model-worm.pov');
assert.equal(offeredName('ab\uFFFD.bea').name, 'ab.bea');
assert.deepEqual(offeredName('chain.pov'), { name: 'chain.pov', why: '' });

// Files given during a run wait and run after it, in order, a failed run not stopping the rest.
const ran = [];
let finishFirst;
const queue = new RunQueue(async (name) => {
    ran.push(name);
    if (name === 'first') await new Promise((resolve) => { finishFirst = resolve; });
    if (name === 'second') throw new Error('second failed');
}, (error, name) => ran.push(`${name}: ${error.message}`));
const draining = queue.give('first');
queue.give('second');
queue.give('third');
assert.deepEqual(ran, ['first']);
finishFirst();
await draining;
assert.deepEqual(ran, ['first', 'second', 'second: second failed', 'third']);
console.log('the page logic passed');
