// The names the page gives the program and the names it offers back. The
// program keeps the first 30 bytes of each name it reads: the user's names
// are laid out so that what it reads finds them, and every file it writes
// is offered under a whole name.

const NAME_BYTES = 30;
// A written file's name is the output name and its extension, cut to 30
// bytes: the output name leaves room for the longest, "-worm.pov".
const OUTPUT_NAME_BYTES = NAME_BYTES - '-worm.pov'.length;
// The output name where the coordinates file's name leaves none.
export const FIXED_STEM = 'model';
// The names the two files of a model are given to the program.
export const COORDINATES_NAME = 'coordinates.dat';
export const COLORS_NAME = 'colors.col';

const encoder = new TextEncoder();

// The longest start of `text` of at most `limit` bytes in UTF-8 that ends between two characters.
export function cutAtCharacter(text, limit) {
    let bytes = 0;
    let end = 0;
    for (const character of text) {
        bytes += encoder.encode(character).length;
        if (bytes > limit) break;
        end += character.length;
    }
    return text.slice(0, end);
}

// The output name for a coordinates file: its stem, cut so that every file's name is whole, up to its first blank.
export function outputName(fileName) {
    const stem = fileName.replace(/\.[^.]*$/, '');
    return cutAtCharacter(stem, OUTPUT_NAME_BYTES).split(' ')[0] || FIXED_STEM;
}

// A model's two files under the names the page gives them, and the output name.
export function layOutModel(coordinates, colors) {
    return {
        coordinates: { name: COORDINATES_NAME, bytes: coordinates.bytes },
        colors: { name: COLORS_NAME, bytes: colors.bytes },
        outputName: outputName(coordinates.name),
        userNames: new Map([[COORDINATES_NAME, coordinates.name], [COLORS_NAME, colors.name]]),
    };
}

// The program's words with the page's names of the user's files put back.
export function inUserNames(text, userNames) {
    let words = text;
    for (const [given, user] of userNames) words = words.split(given).join(user);
    return words;
}

// A batch's files, each also under the first 30 bytes of its name (blanks
// at the end dropped), which is what the program reads where the main input
// file names it. Names travel as bytes: the cut may fall inside a character.
export function layOutBatch(files) {
    const laidOut = files.map((file) => ({ name: encoder.encode(file.name), bytes: file.bytes }));
    for (const file of laidOut) {
        if (file.name.length <= NAME_BYTES) continue;
        let end = NAME_BYTES;
        while (end > 0 && file.name[end - 1] === 0x20) end--;
        laidOut.push({ name: file.name.slice(0, end), bytes: file.bytes });
    }
    return laidOut;
}

// The name a written file is offered under: a character the program's cut
// broke is left out, and a name with nothing before its extension gets the
// fixed stem. Answers the name and, when it differs, why.
export function offeredName(writtenName) {
    const whole = writtenName.replaceAll('\uFFFD', '');
    if (whole !== writtenName) return { name: offeredName(whole).name, why: 'the program cut a character of its name' };
    if (/^(-worm)?\./.test(writtenName)) return { name: FIXED_STEM + writtenName, why: 'the program gave it no name before its extension' };
    return { name: writtenName, why: '' };
}
