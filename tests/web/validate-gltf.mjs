// Runs the Khronos glTF validator on each file named on the command line and
// prints one line per file: its counts of errors, warnings, infos and hints,
// then every error, warning and note (info or hint). Exits with 1 when any file has an error or a
// warning, 0 otherwise.
//
//   node validate-gltf.mjs FILE.glb...

import { readFile } from "node:fs/promises";
import { basename } from "node:path";
import validator from "gltf-validator";

const ERROR = 0;
const WARNING = 1;

let failed = false;
for (const path of process.argv.slice(2)) {
    const report = await validator.validateBytes(new Uint8Array(await readFile(path)), {
        uri: basename(path),
        maxIssues: 0,  // all of them
    });
    const issues = report.issues;
    console.log(`${path}: ${issues.numErrors} errors, ${issues.numWarnings} warnings, ` +
                `${issues.numInfos} infos, ${issues.numHints} hints`);
    for (const message of issues.messages) {
        if (message.severity === ERROR || message.severity === WARNING) {
            console.log(`  ${message.severity === ERROR ? "error" : "warning"} ${message.code} ` +
                        `at ${message.pointer ?? "?"}: ${message.message}`);
        }
    }
    for (const message of issues.messages.filter((m) => m.severity > WARNING)) {
        console.log(`  note ${message.code} at ${message.pointer ?? "?"}: ${message.message}`);
    }
    if (issues.numErrors > 0 || issues.numWarnings > 0) failed = true;
}
process.exit(failed ? 1 : 0);
