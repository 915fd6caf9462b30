// The words the page says about a run: per case, what was written or why
// not, in a short sentence that the program's own message follows; what
// each kind of file is for; counts with thousands separators.

export const count = (number) => number.toLocaleString('en');

// By display type (0: the glTF command's file).
const KINDS = [
    { name: 'glTF', use: 'a binary glTF model for three.js, Blender and web viewers' },
    { name: 'pseudo-PDB', use: 'atoms and bonds for molecular viewers (PyMOL, Jmol, VMD); rename it to .pdb for tools that go by the extension' },
    { name: 'POV-Ray fragment', use: 'the model\'s objects for your own POV-Ray scene to #include' },
    { name: 'POV-Ray scene', use: 'a complete POV-Ray scene; render it with povray' },
    { name: 'wormlike POV-Ray scene', use: 'the beads as one tube, a complete POV-Ray scene; render it with povray' },
    { name: 'Polyray scene', use: 'a scene for the Polyray renderer' },
    { name: 'VRML 2.0 world', use: 'a world for VRML and X3D viewers (view3dscene, X_ITE)' },
];

export function kindOf(displayType) {
    return KINDS[displayType] ?? { name: `display type ${displayType}`, use: '' };
}

// The console's lines that ask the user something the page answers itself.
const PROMPTS = new Set([' Give name of main input file', 'Fortran Pause - Enter command<CR> or <CR> to continue.']);

export function isAnsweredPrompt(line) {
    return PROMPTS.has(line.trimEnd());
}

// One case's sentence: `size` the bytes of its file when one is offered.
export function caseSentence(runCase, size, fatalLine) {
    const kind = kindOf(runCase.displayType).name;
    if (size !== undefined) return `${kind}: written, ${count(size)} bytes.`;
    if (runCase.refusal) return `${kind}: not written; the program refused this model for it:`;
    if (fatalLine) return `${kind}: not written; the run stopped at an error:`;
    return `${kind}: not written; the program left the file empty.`;
}

// How a run ended, when it did not end well.
export function endingSentence(run) {
    if (run.ending === 'fatal') return `The run stopped at error ${run.errorNumber}:`;
    if (run.ending === 'stop') return 'The program stopped the run.';
    return '';
}

export function modelCounts(runCase) {
    const omitted = runCase.omittedBeads + runCase.omittedConnectors === 0 ? '' :
        `; left out of the picture and the glTF file: ${count(runCase.omittedBeads)} beads, ` +
        `${count(runCase.omittedConnectors)} connectors`;
    return `${count(runCase.beads)} beads, ${count(runCase.connectors)} connectors${omitted}`;
}
