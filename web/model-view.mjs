// The picture's place in the page: the canvas is handed to the worker that
// draws the model (view-worker.js, built from view-worker.mjs), and its
// events and size are forwarded there. Drawing a big model in software takes
// seconds a frame; in the worker it never holds the page.

import { startWorker } from './start-worker.mjs';

const POINTER_EVENTS = ['pointerdown', 'pointermove', 'pointerup', 'pointercancel'];
const KEYS = ['ArrowLeft', 'ArrowRight', 'ArrowUp', 'ArrowDown', '+', '=', '-'];

export class ModelView {
    // onPick(picked): what is under the pointer once it rests ({kind: 'bead'|'connector', number, ...}), or null.
    // onFail(message): the worker cannot draw (a browser whose workers have no WebGL).
    constructor(canvas, onPick, onFail) {
        this.canvas = canvas;
        this.worker = startWorker('sferonda-view', new URL('./view-worker.js', import.meta.url));
        this.shown = new Map();
        this.lastShow = 0;
        this.worker.onmessage = ({ data }) => {
            if (data.type === 'shown') {
                requestAnimationFrame(this.shown.get(data.id));
                this.shown.delete(data.id);
            } else if (data.type === 'picked') {
                // The cost of the last look under the pointer, among the page's own timings.
                performance.clearMeasures('sferonda-pick');
                performance.measure('sferonda-pick', { start: performance.now() - data.cost, duration: data.cost });
                onPick(data.picked);
            } else if (data.type === 'failed') {
                onFail(data.message);
            }
        };
        const offscreen = canvas.transferControlToOffscreen();
        this.worker.postMessage({ type: 'start', canvas: offscreen, width: canvas.clientWidth, height: canvas.clientHeight },
                                [offscreen]);
        new ResizeObserver(() => this.worker.postMessage({ type: 'size', width: canvas.clientWidth, height: canvas.clientHeight }))
            .observe(canvas);
        for (const type of POINTER_EVENTS) canvas.addEventListener(type, (event) => this.#pointer(event));
        canvas.addEventListener('wheel', (event) => {
            event.preventDefault();
            this.#forward(event, ['deltaX', 'deltaY', 'deltaMode']);
        }, { passive: false });
        canvas.addEventListener('contextmenu', (event) => event.preventDefault());
        canvas.addEventListener('keydown', (event) => {
            if (!KEYS.includes(event.key)) return;
            event.preventDefault();
            this.#forward(event, ['key', 'code']);
        });
    }

    // A drag goes on outside the canvas, as on a canvas of the page's own.
    #pointer(event) {
        if (event.type === 'pointerdown') this.canvas.setPointerCapture(event.pointerId);
        this.#forward(event, ['pointerId', 'pointerType', 'button', 'buttons', 'isPrimary']);
    }

    #forward(event, fields) {
        const box = this.canvas.getBoundingClientRect();
        const [x, y] = [event.clientX - box.left, event.clientY - box.top];
        const forwarded = { type: event.type, clientX: x, clientY: y, pageX: x, pageY: y, ctrlKey: event.ctrlKey,
                            metaKey: event.metaKey, shiftKey: event.shiftKey, altKey: event.altKey };
        for (const field of fields) forwarded[field] = event[field];
        this.worker.postMessage({ type: 'event', event: forwarded });
    }

    // Resolves once the picture is drawn. The numbers are handed over: the page keeps no copy.
    show(numbers) {
        const started = performance.now();
        const id = ++this.lastShow;
        const buffers = Object.values(numbers).map((values) => values.buffer);
        return new Promise((resolve) => {
            this.shown.set(id, () => {
                performance.clearMeasures('sferonda-picture');
                performance.measure('sferonda-picture', { start: started });
                resolve();
            });
            this.worker.postMessage({ type: 'show', id, numbers }, buffers);
        });
    }

    clear() {
        this.worker.postMessage({ type: 'clear' });
    }

    resetView() {
        this.worker.postMessage({ type: 'reset' });
    }
}
