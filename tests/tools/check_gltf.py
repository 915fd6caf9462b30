"""The Khronos glTF validator (npm gltf-validator, pinned in tests/web and
installed there with `npm ci`) reads the binary glTF file that
`sferonda gltf` writes for every example model (examples/*.dat with its
.col), by default and with --merge, and for a full-capacity model of 10000 beads and 25000 connectors, as
written by default, with --instanced and with --merge. Every file must pass
with no error, no warning and no note but those of the extensions this
validator does not know: it says so for EXT_mesh_gpu_instancing and
EXT_mesh_features, and calls the accessors that only the instancing uses
unused. Each file's JSON must also name in its nodes' extras each bead and
connector of the model once (none of the examples has a bead or connector
that would be omitted); the capacity files must stay under 10 MB, the
merged one, which holds every vertex, under 50 MB.
"""

import glob
import json
import re
import os
import shutil
import struct
import subprocess
import sys

import toolcheck

CAPACITY_BUDGET = 10_000_000
MERGED_CAPACITY_BUDGET = 50_000_000
UNKNOWN_EXTENSIONS = ("EXT_mesh_gpu_instancing", "EXT_mesh_features")


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


def listed(extras, key):
    value = extras.get(key, [])
    return value if isinstance(value, list) else [value]


def count_problems(document, model):
    beads, connectors = [], []
    for node in document.get("nodes", []):
        extras = node.get("extras", {})
        beads += listed(extras, "bead")
        connectors += listed(extras, "connector")
    problems = []
    if (sorted(beads), sorted(connectors)) != (list(range(1, model.bead_count + 1)),
                                                list(range(1, model.connector_count + 1))):
        problems.append(f"{len(beads)} beads and {len(connectors)} connectors in the nodes' extras for a model "
                        f"of {model.bead_count} beads and {model.connector_count} connectors")
    return problems


NOTE = re.compile(r"  note (\w+) at (\S+): (.*)")


def instancing_accessors(document):
    used = set()
    for node in document.get("nodes", []):
        attributes = node.get("extensions", {}).get("EXT_mesh_gpu_instancing", {}).get("attributes", {})
        used.update(f"/accessors/{index}" for index in attributes.values())
    return used


def note_problems(report, document):
    """The validator's notes that the extensions it does not know do not explain."""
    instancing = instancing_accessors(document)
    problems = []
    for code, pointer, message in NOTE.findall(report):
        if code == "UNSUPPORTED_EXTENSION" and any(f"'{name}'" in message and name in document.get("extensionsUsed", [])
                                                   for name in UNKNOWN_EXTENSIONS):
            continue
        if code == "UNUSED_OBJECT" and pointer in instancing:
            continue
        problems.append(f"validator note {code} at {pointer}: {message}")
    return problems[:5]


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
            models.append((os.path.basename(dat)[:-len(".dat")], dat, col, []))
            models.append((os.path.basename(dat)[:-len(".dat")] + "-merged", dat, col, ["--merge"]))
    if not models:
        sys.exit("FAILED: no example model found")
    capacity_dat, capacity_col = os.path.join(folder, "capacity.dat"), os.path.join(folder, "capacity.col")
    subprocess.run([options.make_model, "10000", "25000", capacity_dat, capacity_col], check=True)
    models.append(("capacity", capacity_dat, capacity_col, []))
    models.append(("capacity-instanced", capacity_dat, capacity_col, ["--instanced"]))
    models.append(("capacity-merged", capacity_dat, capacity_col, ["--merge"]))

    verdict = toolcheck.Verdict()
    for name, dat, col, gltf_options in models:
        output = os.path.join(folder, name + ".glb")
        result = subprocess.run([os.path.abspath(options.program), "gltf", *gltf_options, dat, col, output],
                                cwd=folder,
                                capture_output=True, text=True, timeout=120)
        if result.returncode != 0:
            verdict.file(name + ".glb", [f"sferonda gltf ended with status {result.returncode}: "
                                         f"{result.stdout.strip()} {result.stderr.strip()}"], "")
            continue
        document = glb_json(output)
        problems = count_problems(document, toolcheck.Model(dat, col))
        size = os.path.getsize(output)
        budget = MERGED_CAPACITY_BUDGET if "--merge" in gltf_options else CAPACITY_BUDGET
        if name.startswith("capacity") and size >= budget:
            problems.append(f"{size} bytes, over the budget of {budget}")
        validation = subprocess.run([node, os.path.join(options.web, "validate-gltf.mjs"), output],
                                    cwd=options.web, capture_output=True, text=True, timeout=240)
        report = validation.stdout.strip().replace(output + ": ", "")
        if validation.returncode != 0:
            problems.append(f"validator: {report} {validation.stderr.strip()}")
        problems += note_problems(report, document)
        detail = result.stdout.strip().splitlines()[-1].strip()
        verdict.file(name + ".glb", problems, f"{size} bytes; {detail}; validator: {report.splitlines()[0]}")
    verdict.finish()


if __name__ == "__main__":
    main()
