// The program's runs in a thread of their own, so that the page stays alive
// while a big model is converted (program-calls.mjs).

import { loadSferonda } from './sferonda-api.mjs';
import { answerCalls } from './program-calls.mjs';

// A module worker is neither a window nor a classic worker, the two places
// where emscripten's loader fetches the .wasm itself: it is given its bytes.
async function load() {
    const response = await fetch(new URL('./sferonda.wasm', import.meta.url));
    if (!response.ok) throw new Error(`sferonda.wasm: ${response.status} ${response.statusText}`);
    return loadSferonda({ wasmBinary: await response.arrayBuffer() });
}

answerCalls(load());
