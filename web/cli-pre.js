// Runs ahead of the program for node (sferonda-cli.js).
//
// A run of this program is short: at full capacity a batch has some 0.1 s
// of work. Node compiles the module with its baseline compiler, then
// recompiles the busiest functions with its optimising one in the
// background, and waits for that to end before it exits; for so short a
// run the recompiling costs more (about 25 ms) than it saves, so the
// module is compiled with the baseline compiler only.
require('v8').setFlagsFromString('--liftoff-only');
