#!/usr/bin/env python3
"""Times the Python module against the command-line program on the model of
full capacity (10000 beads, 25000 connectors; 5000 connectors for display
type 1, the pseudo-PDB limit), each writing all six display types and
glTF into a folder of its own. The module starts from numpy arrays; the
program from the model's files, its processes' start included. Prints the
median of each over the rounds, and their ratio: a figure, not a check.

    PYTHONPATH=build/python /usr/bin/python3 scripts/python-benchmark.py \\
        build/sferonda build/tests/make_model [rounds, default 7]
"""

import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

import numpy as np

import sferonda

KINDS = [1, 2, 3, 4, 5, 6, "glb"]


def arrays_of(dat: Path, col: Path) -> dict:
    """The model's numbers as the program reads them: reals as float32."""
    words = dat.read_text().split()
    colors = np.array(col.read_text().split(), dtype=np.int32)
    beads = int(words[0])
    bead_rows = np.array(words[1:1 + 5 * beads], dtype=np.float32).reshape(beads, 5)
    pair_rows = np.array(words[2 + 5 * beads:], dtype=np.float32).reshape(-1, 4)
    return dict(centres=bead_rows[:, 1:4], radii=bead_rows[:, 4], bead_colors=colors[2:2 + 2 * beads:2],
                connectors=pair_rows[:, 1:3].astype(np.int32), connector_radii=pair_rows[:, 3],
                connector_colors=colors[3 + 2 * beads::2])


def program_seconds(program: str, folder: Path) -> float:
    start = time.perf_counter()
    subprocess.run([program], input=b"main.inp\n", cwd=folder, check=True, stdout=subprocess.DEVNULL)
    subprocess.run([program, "gltf", "full.dat", "full.col", "full.glb"], cwd=folder, check=True,
                   stdout=subprocess.DEVNULL)
    return time.perf_counter() - start


def module_seconds(full: dict, pdb: dict, folder: Path) -> float:
    start = time.perf_counter()
    sferonda.Model(**pdb).write(1, folder / "pdb.bea")
    model = sferonda.Model(**full)
    for kind in KINDS[1:]:
        model.write(kind, folder / f"full{sferonda.EXTENSIONS[kind]}")
    return time.perf_counter() - start


def main() -> None:
    program, make_model = (str(Path(argument).resolve()) for argument in sys.argv[1:3])
    rounds = int(sys.argv[3]) if len(sys.argv) > 3 else 7
    with tempfile.TemporaryDirectory() as scratch:
        work = Path(scratch)
        subprocess.run([make_model, "10000", "25000", "full.dat", "full.col"], cwd=work, check=True)
        subprocess.run([make_model, "10000", "5000", "pdb.dat", "pdb.col"], cwd=work, check=True)
        cases = ["1\npdb.dat\npdb.col\npdb\n"] + [f"{kind}\nfull.dat\nfull.col\nfull\n" for kind in range(2, 7)]
        (work / "main.inp").write_text("".join(cases) + "-1\n")
        full = arrays_of(work / "full.dat", work / "full.col")
        pdb = arrays_of(work / "pdb.dat", work / "pdb.col")
        (work / "module").mkdir()
        programs, modules = [], []
        for _ in range(rounds):
            programs.append(program_seconds(program, work))
            modules.append(module_seconds(full, pdb, work / "module"))
        for name in ["pdb.bea"] + [f"full{sferonda.EXTENSIONS[kind]}" for kind in KINDS[1:]]:
            if (work / name).read_bytes() != (work / "module" / name).read_bytes():
                sys.exit(f"{name}: the module's bytes differ from the program's")
    program_median, module_median = statistics.median(programs), statistics.median(modules)
    print(f"program (files in, 6 display types + glTF): {program_median * 1000:.1f} ms")
    print(f"module (numpy arrays in, the same files):   {module_median * 1000:.1f} ms")
    print(f"module / program: {module_median / program_median:.2f} (median of {rounds} rounds)")


if __name__ == "__main__":
    main()
