"""The Khronos glTF validator (npm gltf-validator, pinned in tests/web and
installed there with `npm ci`) reads the binary glTF file that
`sferonda gltf` writes for every example model (examples/*.dat with its
.col) and for a full-capacity model of 10000 beads and 25000 connectors.
Every file must pass with no error and no warning. Each file's JSON must
also hold one node per bead and per connector of the model (none of the
examples has a bead or connector that would be omitted), the capacity file
must stay under 10 MB.
"""

import glob
import json
import os
import shutil
import struct
import subprocess
import sys

import toolcheck

CAPACITY_BUDGET = 10_000_000


def extra_options(parser):
    parser.add_argument("--make-model", required=True, help="the make_model program of bench/")
    parser.add_argument("--web", required=True, help="the tests/web folder with its node_modules")


def glb_json(path):
    with open(path, "rb") as source:
        data = source.read()
    magic, version, length = struct.unpack_from("<4sII", data, 0)
    json_length, json_type = struct.unpack_from("<I4s", data, 12)
    if magic != b"glTF" or version != 2 or length != len(data) or json_type != b"JSON":
        raise ValueError("not a binary glTF 2.0 file")
    return json.loads(data[20:20 + json_length])


def count_problems(path, model):
    document = glb_json(path)
    names = [node["name"] for node in document.get("nodes", [])]
    beads = sum(name.startswith("bead ") for name in names)
    connectors = sum(name.startswith("connector ") for name in names)
    problems = []
    if (beads, connectors) != (model.bead_count, model.connector_count):
        problems.append(f"{beads} bead and {connectors} connector nodes for a model of "
                        f"{model.bead_count} beads and {model.connector_count} connectors")
    return problems


def main():
    options = toolcheck.arguments(__doc__, extra_options)
    node = shutil.which("node")
    if not node:
        toolcheck.skip("node is not installed (install Node.js with its npm, then npm ci in tests/web)")
    if not os.path.isdir(os.path.join(options.web, "node_modules", "gltf-validator")):
        toolcheck.skip(f"gltf-validator is not installed: run npm ci in {options.web}")

    folder = os.path.abspath(options.scratch)
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    models = []
    for dat in sorted(glob.glob(os.path.join(options.examples, "*.dat"))):
        col = dat[:-len(".dat")] + ".col"
        if os.path.isfile(col):
            models.append((os.path.basename(dat)[:-len(".dat")], dat, col))
    if not models:
        sys.exit("FAILED: no example model found")
    capacity_dat, capacity_col = os.path.join(folder, "capacity.dat"), os.path.join(folder, "capacity.col")
    subprocess.run([options.make_model, "10000", "25000", capacity_dat, capacity_col], check=True)
    models.append(("capacity", capacity_dat, capacity_col))

    verdict = toolcheck.Verdict()
    for name, dat, col in models:
        output = os.path.join(folder, name + ".glb")
        result = subprocess.run([os.path.abspath(options.program), "gltf", dat, col, output], cwd=folder,
                                capture_output=True, text=True, timeout=120)
        if result.returncode != 0:
            verdict.file(name + ".glb", [f"sferonda gltf ended with status {result.returncode}: "
                                         f"{result.stdout.strip()} {result.stderr.strip()}"], "")
            continue
        problems = count_problems(output, toolcheck.Model(dat, col))
        size = os.path.getsize(output)
        if name == "capacity" and size >= CAPACITY_BUDGET:
            problems.append(f"{size} bytes, over the budget of {CAPACITY_BUDGET}")
        validation = subprocess.run([node, os.path.join(options.web, "validate-gltf.mjs"), output],
                                    cwd=options.web, capture_output=True, text=True, timeout=240)
        report = validation.stdout.strip().replace(output + ": ", "")
        if validation.returncode != 0:
            problems.append(f"validator: {report} {validation.stderr.strip()}")
        verdict.file(name + ".glb", problems, f"{size} bytes; validator: {report}")
    verdict.finish()


if __name__ == "__main__":
    main()
