// The program's runs in a thread of their own, so that the page stays alive
// while a big model is converted. The page posts {id, method, args}, a
// method of sferonda-api.mjs, and gets back {id, result} or {id, error};
// the bytes of the files and of the model's numbers are handed over, not
// copied.

import { loadSferonda } from './sferonda-api.mjs';

// A module worker is neither a window nor a classic worker, the two places
// where emscripten's loader fetches the .wasm itself: it is given its bytes.
async function load() {
    const response = await fetch(new URL('./sferonda.wasm', import.meta.url));
    if (!response.ok) throw new Error(`sferonda.wasm: ${response.status} ${response.statusText}`);
    return loadSferonda({ wasmBinary: await response.arrayBuffer() });
}

const loading = load();

// Every buffer a run answers with is its own copy, so each is handed over once.
function buffersOf(result, found = []) {
    if (ArrayBuffer.isView(result)) {
        found.push(result.buffer);
    } else if (result && typeof result === 'object') {
        for (const value of Object.values(result)) buffersOf(value, found);
    }
    return found;
}

self.onmessage = async ({ data: { id, method, args } }) => {
    try {
        const sferonda = await loading;
        const result = method === 'ready' ? null : sferonda[method](...args);
        self.postMessage({ id, result }, buffersOf(result));
    } catch (error) {
        self.postMessage({ id, error: String(error?.message ?? error) });
    }
};
