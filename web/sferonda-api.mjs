// The program as a JavaScript module: each call runs the WebAssembly core
// on files given as bytes, from a clean state, and answers what the run
// wrote. The work is in driver/in_memory_run.cpp; this only moves bytes.
//
//   const sferonda = await loadSferonda();
//   sferonda.convert(3, {name, bytes}, {name, bytes}, 'chain')   one display type
//   sferonda.convertAll(coordinates, colors, 'chain')            types 1 to 6, each its own run
//   sferonda.gltf(coordinates, colors, 'chain')                  chain.glb
//   sferonda.batch([{name, bytes}, ...], 'main.inp')             a whole batch
// (a name: text, or its bytes in UTF-8)
//
// Each answers {console, ending: 'normal'|'stop'|'fatal', status, fatalLine,
// errorNumber, fatalUnit, fatalFile, files: [{name, bytes}], cases:
// [{displayType, coordinates, colors, outputName, fileName, written,
// refusal, beads, connectors, omittedBeads, omittedConnectors}]} (the
// glTF command's one case has display type 0); gltf adds the model's numbers for drawing
// (model: beads x y z radius, beadColors, beadDrawn, connectorBeads,
// connectorRadii, connectorColors, connectorDrawn, colorRgb; drawn: 1 when
// the glTF file draws it), or model null when it refused the model.

import createSferonda from './sferonda.js';

const ENDINGS = ['normal', 'stop', 'fatal'];
const encoder = new TextEncoder();
const decoder = new TextDecoder();

export const DISPLAY_TYPES = [1, 2, 3, 4, 5, 6];

class Sferonda {
    #core;

    constructor(core) {
        this.#core = core;
    }

    #put(allocate, bytes) {
        const at = allocate(bytes.length);
        this.#core.HEAPU8.set(bytes, at);
    }

    // The core's bytes at `at` copied out: its memory may move at the next run.
    #bytes(at, size) {
        return this.#core.HEAPU8.slice(at, at + size);
    }

    #text(at, size) {
        return decoder.decode(this.#bytes(at, size));
    }

    #cases() {
        const core = this.#core;
        const cases = [];
        for (let i = 0; i < core._sferonda_case_count(); i++) {
            cases.push({
                displayType: core._sferonda_case_display_type(i),
                coordinates: this.#text(core._sferonda_case_coordinates(i), core._sferonda_case_coordinates_size(i)),
                colors: this.#text(core._sferonda_case_colors(i), core._sferonda_case_colors_size(i)),
                outputName: this.#text(core._sferonda_case_output_name(i), core._sferonda_case_output_name_size(i)),
                fileName: this.#text(core._sferonda_case_file_name(i), core._sferonda_case_file_name_size(i)),
                written: core._sferonda_case_written(i) !== 0,
                refusal: this.#text(core._sferonda_case_refusal(i), core._sferonda_case_refusal_size(i)),
                beads: core._sferonda_case_beads(i),
                connectors: core._sferonda_case_connectors(i),
                omittedBeads: core._sferonda_case_omitted_beads(i),
                omittedConnectors: core._sferonda_case_omitted_connectors(i),
            });
        }
        return cases;
    }

    #run(start, files, argument, drawn = false) {
        const core = this.#core;
        for (const file of files) {
            // A name may come as bytes: one the program cuts may end inside a character.
            this.#put(core._sferonda_input_name, typeof file.name === 'string' ? encoder.encode(file.name) : file.name);
            this.#put(core._sferonda_input_bytes, new Uint8Array(file.bytes));
        }
        this.#put(core._sferonda_argument, encoder.encode(argument));
        const status = start();
        const written = [];
        for (let i = 0; i < core._sferonda_file_count(); i++) {
            written.push({
                name: decoder.decode(this.#bytes(core._sferonda_file_name(i), core._sferonda_file_name_size(i))),
                bytes: this.#bytes(core._sferonda_file_bytes(i), core._sferonda_file_size(i)),
            });
        }
        const numbers = (name, heap) => {
            const at = core[`_sferonda_model_${name}`]() / heap.BYTES_PER_ELEMENT;
            return heap.slice(at, at + core[`_sferonda_model_${name}_count`]());
        };
        const model = !drawn || core._sferonda_model_color_rgb_count() === 0 ? null : {
            beads: numbers('beads', core.HEAPF32), beadColors: numbers('bead_colors', core.HEAP32),
            beadDrawn: numbers('bead_drawn', core.HEAPU8),
            connectorBeads: numbers('connector_beads', core.HEAP32),
            connectorRadii: numbers('connector_radii', core.HEAPF32),
            connectorColors: numbers('connector_colors', core.HEAP32),
            connectorDrawn: numbers('connector_drawn', core.HEAPU8),
            colorRgb: numbers('color_rgb', core.HEAPF32),
        };
        return {
            model,
            console: decoder.decode(this.#bytes(core._sferonda_console(), core._sferonda_console_size())),
            ending: ENDINGS[core._sferonda_ending()],
            status,
            fatalLine: this.#text(core._sferonda_fatal_line(), core._sferonda_fatal_line_size()),
            errorNumber: core._sferonda_error_number(),
            fatalUnit: core._sferonda_fatal_unit(),
            fatalFile: this.#text(core._sferonda_fatal_file(), core._sferonda_fatal_file_size()),
            files: written,
            cases: this.#cases(),
        };
    }

    convert(displayType, coordinates, colors, outputName) {
        return this.#run(() => this.#core._sferonda_run_case(displayType), [coordinates, colors], outputName);
    }

    convertAll(coordinates, colors, outputName) {
        return DISPLAY_TYPES.map((type) => this.convert(type, coordinates, colors, outputName));
    }

    gltf(coordinates, colors, outputName) {
        return this.#run(() => this.#core._sferonda_run_gltf(), [coordinates, colors], outputName, true);
    }

    batch(files, mainInputName) {
        return this.#run(() => this.#core._sferonda_run_batch(), files, mainInputName);
    }

    // Bytes of the core's memory, which grows with the biggest model but not from run to run.
    memorySize() {
        return this.#core.HEAPU8.length;
    }
}

export async function loadSferonda(options = {}) {
    return new Sferonda(await createSferonda(options));
}
