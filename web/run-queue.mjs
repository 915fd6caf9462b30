// Files given while a run is under way wait their turn: each selection runs,
// in the order given, after the one before has ended, failed or not.

export class RunQueue {
    #waiting = [];
    #running = false;

    // run(selection) answers a promise; failed(error, selection) hears of a run that threw.
    constructor(run, failed) {
        this.run = run;
        this.failed = failed;
    }

    get waiting() {
        return this.#waiting.length;
    }

    async give(selection) {
        this.#waiting.push(selection);
        if (this.#running) return;
        this.#running = true;
        while (this.#waiting.length > 0) {
            const next = this.#waiting.shift();
            try {
                await this.run(next);
            } catch (error) {
                this.failed(error, next);
            }
        }
        this.#running = false;
    }
}
