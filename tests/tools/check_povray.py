"""POV-Ray 3.7 renders the POV-Ray files that sferonda writes for the
examples: full scenes (.pov), wormlike scenes (-worm.pov) or fragments
(.ppv, completed by examples/header.inc).

Each file must parse and render without error, with exactly the two warnings
that every such scene gets (no gamma and no #version of its own); POV-Ray's
object and light counts must match the file's records and the model; and
the picture must show something besides the background.
"""

import os
import re
import shutil
import subprocess

import toolcheck

KINDS = {"full": 3, "worm": 4, "pre": 2}
WIDTH, HEIGHT = 160, 120
EXPECTED_WARNINGS = ("assumed_gamma not specified", "other declarations preceding the first #version directive")
# Printed by Debian's povray for every user without ~/.povray; not about the scene.
NO_USER_CONFIGURATION = re.compile(r"^povray: cannot open the user configuration file .*: No such file or directory$")


def main():
    options = toolcheck.arguments(__doc__, lambda p: p.add_argument("--kind", choices=KINDS, required=True))
    povray = shutil.which("povray")
    if not povray:
        toolcheck.skip("povray is not installed (Debian: apt-get install povray povray-includes)")
    if not povray_has_colors():
        toolcheck.skip("POV-Ray's colors.inc is missing (Debian: apt-get install povray-includes)")
    run = toolcheck.Run(options)
    verdict = toolcheck.Verdict()
    for name, model in run.files(KINDS[options.kind]):
        problems, summary = check_scene(run, povray, name, model, options.kind)
        verdict.file(name, problems, summary)
    verdict.finish()


def povray_has_colors():
    return any(os.path.isfile(os.path.join(folder, "colors.inc"))
               for folder in ("/usr/share/povray-3.7/include", "/usr/local/share/povray-3.7/include"))


def check_scene(run, povray, name, model, kind):
    picture = name + ".ppm"
    # POV-Ray may write only in the folder it runs in (and /tmp).
    result = subprocess.run([povray, f"+I{name}", f"+O{picture}", f"+W{WIDTH}", f"+H{HEIGHT}",
                             "-D", "+FP", "-P", "-V"], cwd=run.folder, capture_output=True, text=True,
                            timeout=120)
    output = result.stdout + result.stderr
    problems = []
    if result.returncode != 0:
        problems.append(f"povray ended with status {result.returncode}")
    problems += unexpected_messages(output)

    records = count_records(run.path(name), kind, run)
    problems += records_against_model(records, model, kind)
    statistics = parser_statistics(output)
    expected = {"Finite Objects": records["objects"], "Infinite Objects": 0, "Light Sources": records["lights"]}
    for label, count in expected.items():
        if statistics.get(label) != count:
            problems.append(f"POV-Ray counts {label}: {statistics.get(label)}, the file's records give {count}")

    drawn = 0
    if os.path.isfile(run.path(picture)):
        drawn = pixels_off_background(run.path(picture))
        if drawn < 20:
            problems.append(f"the picture is blank ({drawn} pixels differ from the background)")
    else:
        problems.append("POV-Ray wrote no picture")
    summary = (f"{statistics.get('Finite Objects')} objects and {statistics.get('Light Sources')} lights as in "
               f"the file, {drawn} of {WIDTH * HEIGHT} pixels drawn, only the two expected warnings")
    return problems, summary


def unexpected_messages(output):
    """Every warning or error POV-Ray printed but the two expected ones, and
    a complaint for each expected one that did not come."""
    messages, current = [], None
    for line in output.splitlines():
        if NO_USER_CONFIGURATION.match(line) or "Stream to console" in line:
            current = None
        elif line.startswith(" ") and current is not None:
            current.append(line.strip())
        elif re.search(r"warning|error|fatal|failed|cannot|unable", line, re.IGNORECASE):
            current = [line.strip()]
            messages.append(current)
        else:
            current = None
    texts = [" ".join(message) for message in messages]
    problems = []
    for expected in EXPECTED_WARNINGS:
        matching = [text for text in texts if expected in text]
        if len(matching) != 1:
            problems.append(f'expected the warning "{expected}" once, got it {len(matching)} times')
        texts = [text for text in texts if expected not in text]
    problems += [f"POV-Ray says: {text}" for text in texts]
    return problems


def count_records(path, kind, run):
    with open(path, newline="") as scene:
        lines = scene.read().split("\r\n")
    starts = lambda word: sum(1 for line in lines if line.startswith(word + " {"))
    records = {"spheres": starts("sphere"), "cylinders": starts("cylinder"), "sweeps": starts("sphere_sweep"),
               "cameras": starts("camera"), "lights": starts("light_source")}
    records["points"] = sum(1 for line in lines if line.startswith("  <") and line.count(",") == 3)
    declared = [int(m.group(1)) for line in lines for m in [re.match(r"^  cubic_spline\s*(\d+),$", line)] if m]
    records["declared points"] = declared[0] if declared else None
    if kind == "pre":
        # The fragment's camera and lights come from header.inc.
        with open(run.path("header.inc")) as header:
            text = header.read()
        records["cameras"] = len(re.findall(r"^\s*camera\s*\{", text, re.MULTILINE))
        records["lights"] = len(re.findall(r"^\s*light_source\s*\{", text, re.MULTILINE))
    records["objects"] = records["spheres"] + records["cylinders"] + records["sweeps"]
    return records


def records_against_model(records, model, kind):
    n, c = model.bead_count, model.connector_count
    if kind == "worm":
        # The sweep runs through every bead with the end beads doubled;
        # POV-Ray's cubic spline needs at least four points, so a single
        # bead is written four times.
        points = max(n + 2, 4)
        expected = {"sweeps": 1, "spheres": 0, "cylinders": 0, "cameras": 1, "lights": 2,
                    "points": points, "declared points": points}
    else:
        expected = {"spheres": n, "cylinders": c, "sweeps": 0, "cameras": 1,
                    "lights": 2}
    return [f"{label}: the file has {records[label]}, the model wants {count}"
            for label, count in expected.items() if records[label] != count]


def parser_statistics(output):
    found = {}
    for label in ("Finite Objects", "Infinite Objects", "Light Sources"):
        match = re.search(rf"^{label}:\s+(\d+)\s*$", output, re.MULTILINE)
        if match:
            found[label] = int(match.group(1))
    return found


def pixels_off_background(path):
    """Pixels of a binary PPM that differ from its most common color."""
    with open(path, "rb") as picture:
        data = picture.read()
    if not data.startswith(b"P6"):
        return 0
    # Width, height and largest value follow, between blanks and # comments.
    values, position = [], 2
    while len(values) < 3:
        while data[position:position + 1].isspace():
            position += 1
        if data[position:position + 1] == b"#":
            position = data.index(b"\n", position)
            continue
        start = position
        while data[position:position + 1].isdigit():
            position += 1
        values.append(int(data[start:position]))
    width, height, maximum = values
    step = 6 if maximum > 255 else 3
    body = data[position + 1:]
    counts = {}
    for i in range(0, width * height * step, step):
        pixel = body[i:i + step]
        counts[pixel] = counts.get(pixel, 0) + 1
    return width * height - max(counts.values())


if __name__ == "__main__":
    main()
