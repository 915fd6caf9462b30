#!/usr/bin/env bash
# The Windows program under Wine, as a user of a console window runs it:
# both golden batches byte for byte (the console's lines ended by CR LF),
# the status of every fatal error as Windows keeps it, the refusals of a
# name holding a NUL and of a file spelt another way, the pause's command
# run by cmd.exe, a file name with a non-ASCII letter, the gltf command's
# replacement of a file and refusal of an input, and its glTF files byte for
# byte as the native program writes them, names typed and shown at a console
# of code page 437, names that are no ordinary file (devices and the like)
# refused as outputs, a scene named after the stem of sub\out.glb, a main
# input file dropped on the program, and the wait for Enter in a console of
# the program's own.
#   check-program.sh build-folder source-folder scratch-folder native-program make-model
# Skipped (77) when build.sh made no program.
set -u
build="$(cd "$1" && pwd)" source="$(cd "$2" && pwd)" scratch="$3" native="$4" make_model="$5"
exe="$build/sferonda.exe"
here="$source/tests/windows"
[ -f "$exe" ] || { echo "SKIPPED: no Windows program in $build (see the windows_build test)"; exit 77; }
command -v wine >/dev/null || { echo "SKIPPED: no Wine (apt-get install wine wine64)"; exit 77; }
rm -rf "$scratch" && mkdir -p "$scratch" && scratch="$(cd "$scratch" && pwd)"
failed=0
fail() { echo "FAILED: $*"; failed=1; }

# --- Golden batches: what Linux writes, but for the console's CR LF.
for batch in examples:"$source/examples":"$source/tests/golden/examples" \
             rare:"$source/tests/golden/rare/input":"$source/tests/golden/rare/expected"; do
    IFS=: read -r name inputs goldens <<<"$batch"
    expected="$scratch/golden-$name"
    cp -R "$goldens" "$expected"
    sed 's/$/\r/' "$goldens/console.txt" > "$expected/console.txt"
    sh "$source/tests/golden/check.sh" "$build/sferonda-under-wine" "$inputs" "$expected" "$scratch/$name" ||
        fail "golden batch $name"
done

# The glTF files of the examples and of a full-capacity model: the native program's bytes.
sh "$source/tests/golden/same-gltf.sh" "$native" "$build/sferonda-under-wine" "$make_model" "$source/examples" \
    "$scratch/gltf" || fail "glTF files not as the native program writes them"

# Input files with CR LF line ends and a UTF-8 byte order mark, as Notepad
# writes them, are read as on Linux: the same goldens.
crlf_inputs="$scratch/crlf-input"
cp -R "$source/examples" "$crlf_inputs"
for text in "$crlf_inputs"/*.dat "$crlf_inputs"/*.col "$crlf_inputs"/main.inp; do
    sed -i -e 's/$/\r/' -e '1s/^/\xEF\xBB\xBF/' "$text"
done
sh "$source/tests/golden/check.sh" "$build/sferonda-under-wine" "$crlf_inputs" "$scratch/golden-examples" \
    "$scratch/examples-crlf" || fail "golden batch examples from CR LF input with a byte order mark"

# --- Runs in fresh folders holding the helix example: `fresh name` makes
# the folder $dir, the caller puts its files there, `answer text [redirection]`
# runs the program with those answers through cmd.exe.
fresh() {
    dir="$scratch/$1"
    mkdir -p "$dir"
    cp "$source/examples/helix.dat" "$source/examples/helix.col" "$dir/"
}
answer() {
    printf '%b' "$1" > "$dir.answers"
    status="$(sh "$here/run-under-cmd.sh" "$exe" "$dir" "$dir.answers" "${2:-> stdout.txt}")"
    error_line="$(tr -d '\r' < "$dir/stderr.txt")"
    windows_folder="$(winepath -w "$dir" 2>/dev/null)"
}
main_input() { printf '%s\n' "$@" -1 > "$dir/main.inp"; }  # the lines of the cases
gltf() { sh "$source/scripts/wine-run.sh" "$exe" gltf "$@" > "$dir/stdout.txt" 2> "$dir/stderr.txt"; }

# Expects the fatal line (with {dir} for the folder) and the status 0xC0000000 + N.
expect_fatal() {  # title, error number, line
    local expected_status=$(( $2 - 1073741824 ))
    local expected_line="${3//\{dir\}/$windows_folder}"
    [ "$status" = "$expected_status" ] || fail "$1: status $status, expected $expected_status"
    [ "$error_line" = "$expected_line" ] || fail "$1: fatal line '$error_line', expected '$expected_line'"
}

fresh eof
answer ""
expect_fatal "console input ends before the name" 24 "forrtl: severe (24): end-of-file during read, unit 5, file stdin"
fresh missing
answer "nothere.dat\n"
expect_fatal "main input file missing" 29 "forrtl: severe (29): file not found, unit 1, file {dir}\\nothere.dat"
fresh folder && mkdir "$dir/folder"
answer "folder\n"
expect_fatal "main input file is a folder" 30 "forrtl: severe (30): open failure, unit 1, file {dir}\\folder"
# Standard output made the read-only handle of the answers: every write fails.
fresh console && main_input 2 helix.dat helix.col h
answer "main.inp\n" "1>&0"
expect_fatal "standard output not writable" 38 "forrtl: severe (38): error during write, unit 6, file stdout"
fresh repeat && main_input "0*5"
answer "main.inp\n"
expect_fatal "zero repeat count" 59 "forrtl: severe (59): list-directed I/O syntax error, unit 1, file {dir}\\main.inp"
fresh word && main_input two
answer "main.inp\n"
expect_fatal "display type is a word" 64 "forrtl: severe (64): input conversion error, unit 1, file {dir}\\main.inp"
fresh utf16 && printf '\377\3762\000\n\000' > "$dir/main.inp"
answer "main.inp\n"
expect_fatal "main input file in UTF-16" 64 "forrtl: severe (64): input conversion error, unit 1, file {dir}\\main.inp"

# --- Refusals: the name cut at its NUL; a graphics file that is an input or
# the log under another spelling (letter case, / for \).
# (Not "nul": the answers file would be NUL, the device, to Windows.)
fresh nul-name && main_input 5 helix.dat helix.col m
answer "'main.inp\\0.x'\n"
expect_fatal "main input name with a NUL" 30 "forrtl: severe (30): open failure, unit 1, file {dir}\\main.inp"
fresh input-spelt && mkdir "$dir/sub" && cp "$dir/helix.dat" "$dir/sub/h.ppv"
main_input 2 "'sub\\h.ppv'" helix.col "'sub/H'"
answer "main.inp\n"
expect_fatal "graphics file that is the coordinates file" 30 "forrtl: severe (30): open failure, unit 14, file {dir}\\sub\\H.ppv"
cmp -s "$dir/sub/h.ppv" "$source/examples/helix.dat" || fail "the refused input was changed"
# Thirty characters, the longest name: the extension falls off.
fresh log-spelt && main_input 5 helix.dat helix.col first 2 helix.dat helix.col "'.\\.\\.\\.\\.\\.\\.\\SFERONDA-LOG.TXT'"
answer "main.inp\n"
expect_fatal "graphics file that is the log" 30 "forrtl: severe (30): open failure, unit 14, file {dir}\\SFERONDA-LOG.TXT"
grep -q first.pi "$dir/sferonda-log.txt" || fail "the refused log lost its records"

# --- Names that are no ordinary file to Windows, as the graphics file of a
# case and as the gltf output: devices (with any extension, also in a
# folder), a last dot the system would drop (29 characters and the dot of
# ".ppv"), a character no name may hold, a drive or a stream. Each is refused
# as an output that cannot be opened, and nothing is reported as written.
refused_output="forrtl: severe (30): open failure, unit 14, file "
expect_output_refused() {  # title, files the folder holds
    [ "${error_line#"$refused_output"}" != "$error_line" ] || fail "$1: fatal line '$error_line'"
    [ "$(ls "$dir" | tr '\n' ' ')" = "$2" ] || fail "$1: the folder holds $(ls "$dir" | tr '\n' ' ')"
}
count=0
for name in nul aux com1 con lpt9 'conout$' 'sub\NUL' abcdefghijklmnopqrstuvwxyz012 'a?b' a:b ab:c; do
    fresh "refused-batch-$((count += 1))" && mkdir "$dir/sub" && main_input 2 helix.dat helix.col "'$name'"
    answer "main.inp\n"
    [ "$status" = $((30 - 1073741824)) ] || fail "output name $name: status $status"
    expect_output_refused "output name $name" "helix.col helix.dat main.inp sferonda-log.txt stderr.txt stdout.txt sub "
    ! grep -q "has been generated" "$dir/sferonda-log.txt" || fail "output name $name: logged as generated"
done
for name in nul aux.glb com1 con lpt9 'conout$' 'sub\nul.glb' name. 'a?b.glb' a:b ab:c; do
    fresh "refused-gltf-$((count += 1))" && mkdir "$dir/sub"
    (cd "$dir" && gltf helix.dat helix.col "$name")
    status=$? error_line="$(tr -d '\r' < "$dir/stderr.txt")"
    [ "$status" = 30 ] || fail "gltf output $name: status $status"
    [ ! -s "$dir/stdout.txt" ] || fail "gltf output $name: reported as written"
    expect_output_refused "gltf output $name" "helix.col helix.dat stderr.txt stdout.txt sub "
done

# --- The pause (a model whose colors do not match) runs each command through
# cmd.exe and waits for it: the second command reads what the first wrote.
fresh pause && printf '1\n1 0 0 0 1\n0\n' > "$dir/one.dat" && printf '2\n1 2\n2 2\n0\n' > "$dir/two.col"
main_input 5 one.dat two.col m
answer "main.inp\necho pause ran> ran.txt\ntype ran.txt\n\n"
[ "$status" = 0 ] || fail "pause: status $status"
grep -q "^pause ran" "$dir/stdout.txt" || fail "pause: the second command did not show the first one's file"

# --- The log is locked for the run: a second run in the folder, started
# while the first waits at its pause, is refused.
fresh lock && printf '1\n1 0 0 0 1\n0\n' > "$dir/one.dat" && printf '2\n1 2\n2 2\n0\n' > "$dir/two.col"
main_input 5 one.dat two.col m
mkfifo "$dir/answers.fifo"
(cd "$dir" && timeout 120 sh "$source/scripts/wine-run.sh" "$exe" < answers.fifo > first.txt 2>&1) &
first=$!
exec 3> "$dir/answers.fifo"
printf 'main.inp\n' >&3
for _ in $(seq 600); do grep -q "Fortran Pause" "$dir/first.txt" 2>/dev/null && break; sleep 0.1; done
answer "main.inp\n"
expect_fatal "second run on a locked log" 30 "forrtl: severe (30): open failure, unit 2, file {dir}\\sferonda-log.txt"
printf '\n' >&3
exec 3>&-
wait "$first" || fail "lock: the first run ended with status $?"

# --- A name with a non-ASCII letter, UTF-8 in the main input file and on disk.
fresh utf8 && cp "$dir/helix.dat" "$dir/hélice.dat" && main_input 1 hélice.dat helix.col hélice
answer "main.inp\n"
[ "$status" = 0 ] || fail "UTF-8 name: status $status ($error_line)"
cmp -s "$dir/hélice.bea" "$source/tests/golden/examples/helix.bea" || fail "UTF-8 name: hélice.bea not as helix.bea"
(cd "$dir" && sh "$source/scripts/wine-run.sh" "$exe" gltf hélice.dat helix.col hélice.glb >/dev/null 2>&1) &&
    [ "$(head -c 4 "$dir/hélice.glb")" = glTF ] || fail "UTF-8 name: gltf arguments"
fresh utf8-missing
answer "nâme.inp\n"
expect_fatal "UTF-8 name missing" 29 "forrtl: severe (29): file not found, unit 1, file {dir}\\nâme.inp"

# --- `sferonda gltf`: an existing output replaced (a plain rename fails on
# Windows), an input given as the output under another spelling refused.
fresh gltf && printf 'earlier' > "$dir/h.glb"
(cd "$dir" && gltf helix.dat helix.col h.glb && gltf helix.dat helix.col h.glb) || fail "gltf: replacing h.glb failed"
[ "$(head -c 4 "$dir/h.glb")" = glTF ] || fail "gltf: h.glb not replaced by a glTF file"
[ -z "$(find "$dir" -name '*.tmp-*')" ] || fail "gltf: a temporary file was left"
(cd "$dir" && gltf helix.dat helix.col 'HELIX.COL')
windows_folder="$(winepath -w "$dir" 2>/dev/null)"
[ "$(tr -d '\r' < "$dir/stderr.txt")" = "forrtl: severe (30): open failure, unit 14, file $windows_folder\\HELIX.COL" ] ||
    fail "gltf: the colors file as output under another case: $(cat "$dir/stderr.txt")"
cmp -s "$dir/helix.col" "$source/examples/helix.col" || fail "gltf: the refused colors file was changed"
# A read-only file (no write permission: read-only to Wine) is not replaced.
fresh gltf-read-only && printf 'kept' > "$dir/h.glb" && chmod a-w "$dir/h.glb"
(cd "$dir" && gltf helix.dat helix.col h.glb)
[ "$(tr -d '\r' < "$dir/stderr.txt")" = "forrtl: severe (30): open failure, unit 14, file $(winepath -w "$dir" 2>/dev/null)\\h.glb" ] ||
    fail "gltf: a read-only output: $(cat "$dir/stderr.txt")"
[ "$(cat "$dir/h.glb")" = kept ] || fail "gltf: the read-only output was replaced"

# --- At a console window in code page 437 (a pseudo-terminal, which Wine
# makes a console): a name typed with letters outside that code page, and
# the names of the main input file on the screen, are the UTF-8 ones.
# `at_console text` types the text once the prompt shows; the terminal is
# raw from the start, so that an Enter typed before Wine's console reads it
# stays a carriage return.
at_console() {
    rm -f "$dir/ended"
    local program
    program="$(winepath -w "$exe" 2>/dev/null)"
    ( for _ in $(seq 600); do grep -q "main input file" "$dir/console.txt" 2>/dev/null && break; sleep 0.1; done
      printf '%s\r' "$1"
      for _ in $(seq 600); do [ -e "$dir/ended" ] && break; sleep 0.1; done ) |
        (cd "$dir" && LC_ALL=C.UTF-8 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" timeout 120 script -qfc \
            "stty raw -echo; wine cmd /v:on /c 'chcp 437 >nul & $program 2> stderr.txt & echo !ERRORLEVEL!> status.txt'; touch ended" \
            /dev/null > console.txt)
    status="$(tr -d '\r\n' < "$dir/status.txt" 2>/dev/null)"
    error_line="$(tr -d '\r' < "$dir/stderr.txt" 2>/dev/null)"
    windows_folder="$(winepath -w "$dir" 2>/dev/null)"
    shown="$(sed 's/\x1b\[[?0-9;]*[a-zA-Z]//g' "$dir/console.txt" | tr -d '\r')"
}
fresh console-utf8 && cp "$dir/helix.dat" "$dir/hélice.dat" && main_input 1 hélice.dat helix.col hélice
mv "$dir/main.inp" "$dir/entrée.inp"
at_console "entrée.inp"
[ "$status" = 0 ] || fail "console: status $status ($error_line)"
grep -q "^ \* Name of file with coordinates and connectors: hélice.dat" <<<"$shown" ||
    fail "console: the name in the echo not shown as hélice.dat: $(grep coordinates <<<"$shown")"
cmp -s "$dir/hélice.bea" "$source/tests/golden/examples/helix.bea" || fail "console: hélice.bea not as helix.bea"
# U+1D11E: a surrogate pair in UTF-16.
fresh console-missing
at_console "nâme-𝄞.inp"
expect_fatal "console: a typed name missing" 29 "forrtl: severe (29): file not found, unit 1, file {dir}\\nâme-𝄞.inp"

# --- Help, version and usage end their lines as the console's lines do.
ends_with_crlf() { [ -s "$1" ] && tr -d '\r' < "$1" | sed 's/$/\r/' | cmp -s - "$1"; }
fresh line-ends
(cd "$dir" && sh "$source/scripts/wine-run.sh" "$exe" --help > help.txt
 sh "$source/scripts/wine-run.sh" "$exe" --version > version.txt
 sh "$source/scripts/wine-run.sh" "$exe" --no-such-option 2> usage.txt) < /dev/null
for text in help version usage; do ends_with_crlf "$dir/$text.txt" || fail "$text: lines not ended by CR LF"; done

# --- The version resource, with the version that --version prints, and the
# manifest's settings, in the program; the pages the README links, in the zip.
version="$(sed -n 's/^project(Sferonda VERSION \([0-9.]*\).*/\1/p' "$source/CMakeLists.txt")"
[ "$(tr -d '\r' < "$dir/version.txt")" = "sferonda $version" ] || fail "--version: $(cat "$dir/version.txt")"
for field in FileVersion ProductVersion; do
    [ "$(strings -el "$exe" | grep -A1 -x "$field" | tail -n 1)" = "$version" ] ||
        fail "version resource: no $field $version"
done
for setting in '>UTF-8</activeCodePage>' '>true</longPathAware>'; do
    strings "$exe" | grep -qF "$setting" || fail "manifest: no $setting"
done
zip="$build/sferonda-$version-windows-x86_64.zip"
listed="$(python3 -c 'import sys, zipfile; print("\n".join(zipfile.ZipFile(sys.argv[1]).namelist()))' "$zip")"
for page in $(grep -o '](docs/[^)]*)' "$source/README.md" | sed 's/^](//; s/)$//' | sort -u); do
    grep -qxF "sferonda-$version-windows-x86_64/$page" <<<"$listed" || fail "zip: no $page"
done

# The scene and its root node are named after the output's stem, after a \ as after a /.
fresh stem && mkdir "$dir/sub" && mv "$dir"/helix.* "$dir/sub/"
(cd "$dir" && gltf 'sub\helix.dat' 'sub\helix.col' 'sub\out.glb') || fail "gltf into sub\\out.glb: status $?"
[ "$(grep -ao '"name":"out"' "$dir/sub/out.glb" | wc -l)" = 2 ] || fail "gltf: the scene of sub\\out.glb not named out"

# --- A main input file dropped on the program: its full path, blank
# included, the one argument. The batch runs in the file's folder, as one
# started there; the console shows the path as the prompt's answer.
fresh dropped && mkdir "$dir/the examples" "$dir/elsewhere" && cp "$source"/examples/* "$dir/the examples/"
dropped="$(winepath -w "$dir/the examples/main.inp" 2>/dev/null)"
(cd "$dir/elsewhere" && sh "$source/scripts/wine-run.sh" "$exe" "$dropped" > ../console.txt 2> ../stderr.txt) ||
    fail "dropped main input file: status $?"
golden_console="$source/tests/golden/examples/console.txt"
{ head -n 1 "$golden_console" && printf '%s\n' "$dropped" && tail -n +2 "$golden_console"; } | sed 's/$/\r/' |
    cmp -s - "$dir/console.txt" || fail "dropped main input file: the console differs"
for golden in "$source"/tests/golden/examples/*; do
    [ "${golden##*/}" = console.txt ] || cmp -s "$golden" "$dir/the examples/${golden##*/}" ||
        fail "dropped main input file: ${golden##*/} differs"
done
[ -z "$(ls "$dir/elsewhere")" ] || fail "dropped main input file: files written outside its folder"

# --- A console of the program's own (a terminal for Wine, a double click's
# window on Windows): the run ends with "Press Enter to close" and waits for
# Enter, which the terminal sends as a carriage return.
fresh own-console && main_input
mkfifo "$dir/keys"
(cd "$dir" && timeout 120 script -qec "sh '$source/scripts/wine-run.sh' '$exe' main.inp" /dev/null < keys > console.txt 2>&1) &
own=$!
exec 4> "$dir/keys"
for _ in $(seq 600); do grep -q "Press Enter to close" "$dir/console.txt" 2>/dev/null && break; sleep 0.1; done
sleep 1
kill -0 "$own" 2>/dev/null || fail "own console: the run did not wait for Enter"
printf '\r' >&4
exec 4>&-
wait "$own" || fail "own console: status $?"
grep -q "End of execution" "$dir/console.txt" || fail "own console: the run did not end normally"

[ "$failed" -eq 0 ] && echo "the Windows program passed every check under Wine"
exit "$failed"
