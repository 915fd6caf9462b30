// The worker of the page in one file (sferonda.html), bundled into one
// classic script with a build of the program that carries its .wasm inline:
// started from a blob, it can neither fetch nor import anything.

import { loadSferonda } from './sferonda-api.mjs';
import { answerCalls } from './program-calls.mjs';

answerCalls(loadSferonda());
