"""Shared part of the browser checks: runs browse.mjs (headless Chromium and
a test page served from 127.0.0.1) on files that sferonda wrote, and tells a
drawn picture from a blank one.

Node.js, the npm packages of this folder (npm ci) and Chromium are needed;
without one of them the check reports skipped (exit status 77).
"""

import json
import os
import re
import shutil
import struct
import subprocess
import sys
import zlib

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))
import toolcheck  # noqa: E402

WEB_FOLDER = os.path.dirname(os.path.abspath(__file__))
GL_DRIVER_NOTE = re.compile(r"\[\.WebGL-\w+\]GL Driver Message ")
# A picture is drawn when this share of its pixels differ from its corner's.
DRAWN_SHARE = 0.005


def require_node():
    if not shutil.which("node"):
        toolcheck.skip("node is not installed (Node.js with npm is needed for the browser checks)")
    if not os.path.isdir(os.path.join(WEB_FOLDER, "node_modules", "playwright-core")):
        toolcheck.skip(f"the npm packages are not installed (run npm ci in {WEB_FOLDER})")


def browse(page, folder, names, timeout=600):
    """What the page found in each file: a list of reports (name, errors,
    warnings, found, seconds, screenshot) in the order of names."""
    result = subprocess.run(["node", os.path.join(WEB_FOLDER, "browse.mjs"), "--page", page, "--files", folder,
                             "--shots", os.path.join(folder, "shots"), *names],
                            capture_output=True, text=True, timeout=timeout)
    if result.returncode == toolcheck.SKIPPED:
        toolcheck.skip(result.stdout.strip().removeprefix("SKIPPED: "))
    if result.returncode != 0:
        sys.exit(f"FAILED: browse.mjs ended with status {result.returncode}: {result.stderr.strip()[-2000:]}")
    return json.loads(result.stdout)


def drawn_share(png_path):
    """The share of the picture's pixels whose color differs from the top
    left corner's (the background)."""
    width, height, channels, rows = read_png(png_path)
    background = rows[0][:channels]
    differing = 0
    for row in rows:
        for x in range(0, width * channels, channels):
            if row[x:x + channels] != background:
                differing += 1
    return differing / (width * height)


def read_png(path):
    """Width, height, channels and unfiltered rows of an 8-bit, non-interlaced
    RGB or RGBA PNG file, such as Chromium's screenshots."""
    with open(path, "rb") as source:
        data = source.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError(f"{path} is not a PNG file")
    position, compressed = 8, bytearray()
    while position < len(data):
        length, kind = struct.unpack(">I4s", data[position:position + 8])
        body = data[position + 8:position + 8 + length]
        if kind == b"IHDR":
            width, height, depth, color_type, _, _, interlace = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            compressed += body
        position += 12 + length
    if depth != 8 or color_type not in (2, 6) or interlace:
        raise ValueError(f"{path}: only 8-bit non-interlaced RGB or RGBA pictures are read here")
    channels = 3 if color_type == 2 else 4
    raw = zlib.decompress(bytes(compressed))
    stride = width * channels
    rows, previous = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        row = unfilter(raw[start], bytearray(raw[start + 1:start + 1 + stride]), previous, channels)
        rows.append(bytes(row))
        previous = row
    return width, height, channels, rows


def unfilter(kind, row, previous, channels):
    for i in range(len(row)):
        left = row[i - channels] if i >= channels else 0
        up = previous[i]
        corner = previous[i - channels] if i >= channels else 0
        if kind == 1:
            row[i] = (row[i] + left) & 0xFF
        elif kind == 2:
            row[i] = (row[i] + up) & 0xFF
        elif kind == 3:
            row[i] = (row[i] + (left + up) // 2) & 0xFF
        elif kind == 4:
            row[i] = (row[i] + paeth(left, up, corner)) & 0xFF
    return row


def paeth(left, up, corner):
    estimate = left + up - corner
    distances = (abs(estimate - left), abs(estimate - up), abs(estimate - corner))
    return (left, up, corner)[distances.index(min(distances))]


def page_problems(report):
    """What went wrong in the browser itself: console errors, a page that did
    not finish, a blank picture."""
    problems = [f"console: {error}" for error in report["errors"]]
    # X_ITE reports faults in a world (an unknown field, say) as warnings;
    # only Chromium's notes on its software GL are harmless.
    problems += [f"console warning: {warning}" for warning in report["warnings"]
                 if not GL_DRIVER_NOTE.match(warning)]
    found = report.get("found") or {}
    if "error" in found:
        problems.append(f"the page failed: {found['error']}")
    if len(problems) > 10:
        problems = problems[:10] + [f"... {len(problems) - 10} more"]
    if not problems and report.get("screenshot"):
        share = drawn_share(report["screenshot"])
        if share < DRAWN_SHARE:
            problems.append(f"the picture is blank: {share:.2%} of its pixels differ from the background")
    return problems


# A model with what the glTF file leaves out: bead 2 of radius zero (its
# connector 1 stays), connector 2 from bead 1 to itself, connector 3 of
# radius zero. Two spheres and two cylinders remain.
OMISSIONS_DAT = """3
1 0.0 0.0 0.0 1.0
2 4.0 0.0 0.0 0.0
3 0.0 4.0 0.0 1.0
4
1 1 2 0.5
2 1 1 0.5
3 1 3 0.0
4 1 3 0.3
"""
OMISSIONS_COL = "3\n1 2\n2 3\n3 4\n4\n1 5\n2 6\n3 7\n4 1\n"


def capacity_option(parser):
    parser.add_argument("--make-model", help="bench/'s make_model: the checks take a full-capacity model too")


def write_capacity(run, program, make_model, variants):
    """Runs `sferonda gltf` with each variant's options on a model of full
    capacity (10000 beads, 25000 connectors) from make_model; returns (file
    name, model) for each variant (file name, options)."""
    if not make_model:
        return []
    dat, col = run.path("capacity.dat"), run.path("capacity.col")
    subprocess.run([make_model, "10000", "25000", dat, col], check=True)
    model = toolcheck.Model(dat, col)
    written = []
    for name, options in variants:
        result = subprocess.run([os.path.abspath(program), "gltf", *options, dat, col, name], cwd=run.folder,
                                stdin=subprocess.DEVNULL, capture_output=True, text=True, timeout=120)
        if result.returncode != 0:
            sys.exit(f"FAILED: sferonda gltf {' '.join(options)} capacity.dat capacity.col {name} ended with "
                     f"status {result.returncode}: {(result.stderr or result.stdout).strip()}")
        written.append((name, model))
    return written


def root_problems(name, roots, parents, meshes_are_instanced):
    """The scene's one top node bears the file's name and holds every mesh;
    the meshes are instanced exactly when the file is. three.js gives the
    root, named as its scene, a suffix that makes the name its own."""
    stem = name.rsplit(".", 1)[0]
    root = re.compile(re.escape(stem) + r"(_\d+)?")
    problems = [] if len(roots) == 1 and root.fullmatch(roots[0]) else \
        [f"the scene's top nodes are {roots[:5]}, not [{stem!r}]"]
    strays = sorted({parent for parent in parents if not root.fullmatch(parent or "")})
    if strays:
        problems.append(f"meshes under {strays[:5]}, not under the root {stem!r}")
    instanced = "instanced" in name
    if any(flag != instanced for flag in meshes_are_instanced):
        problems.append("meshes that are instanced" if not instanced else "meshes that are not instanced")
    return problems


def write_gltf(run, program, options=(), suffix=""):
    """Runs `sferonda gltf` with `options` on every example model of the
    batch and on a model with omissions, each file's name ending in
    `suffix`; returns (file name, model) for each."""
    with open(run.path("omissions.dat"), "w") as target:
        target.write(OMISSIONS_DAT)
    with open(run.path("omissions.col"), "w") as target:
        target.write(OMISSIONS_COL)
    cases = run.cases + [toolcheck.Case(6, "omissions.dat", "omissions.col", "omissions")]
    written, seen = [], set()
    for case in cases:
        name = case.name.split()[0] + suffix + ".glb"
        if name in seen:
            continue
        seen.add(name)
        result = subprocess.run([os.path.abspath(program), "gltf", *options, case.dat, case.col, name],
                                cwd=run.folder, stdin=subprocess.DEVNULL, capture_output=True, text=True, timeout=120)
        if result.returncode != 0 or not os.path.isfile(run.path(name)):
            sys.exit(f"FAILED: sferonda gltf {' '.join(options)} {case.dat} {case.col} {name} ended with status "
                     f"{result.returncode}: {(result.stderr or result.stdout).strip()}")
        written.append((name, run.model(case)))
    return written
