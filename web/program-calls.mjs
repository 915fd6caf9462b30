// The program's calls answered in a worker: the page posts {id, method,
// args}, a method of sferonda-api.mjs or one of the worker's own, and gets
// back {id, result} or {id, error}; the bytes of the files and of the
// model's numbers are handed over, not copied.

import { zipSync } from 'fflate';

// ready: answers once the program is loaded; zip: {name: bytes} as one .zip.
const OWN_CALLS = { ready: () => null, zip: (files) => zipSync(files, { level: 1 }) };

// Every buffer a run answers with is its own copy, so each is handed over once.
function buffersOf(result, found = []) {
    if (ArrayBuffer.isView(result)) {
        found.push(result.buffer);
    } else if (result && typeof result === 'object') {
        for (const value of Object.values(result)) buffersOf(value, found);
    }
    return found;
}

// loading: a promise of the loaded program (loadSferonda's).
export function answerCalls(loading) {
    self.onmessage = async ({ data: { id, method, args } }) => {
        try {
            const sferonda = await loading;
            const result = method in OWN_CALLS ? OWN_CALLS[method](...args) : sferonda[method](...args);
            self.postMessage({ id, result }, buffersOf(result));
        } catch (error) {
            self.postMessage({ id, error: String(error?.message ?? error) });
        }
    };
}
