#!/usr/bin/env python3
"""A bead chain grown as a random walk with numpy, written from Python
(docs/python.md): its two model files, which the program reads back to the
same floats, and its full POV-Ray scene and glTF file, which are then the
bytes that `sferonda` and `sferonda gltf` write from those files.

    python3 examples/random_walk.py [folder, default .]
"""

import sys
from pathlib import Path

import numpy as np

import sferonda

BEADS = 200


def model_files(centres, radii, colors, pairs, pair_radii, pair_colors):
    """The coordinates-and-connectors file and the colors file of the model,
    each float32 written in the fewest digits that read back as itself."""
    dat = [f"{len(centres)}"] + [f"{i} {x!s} {y!s} {z!s} {r!s}" for i, ((x, y, z), r) in enumerate(zip(centres, radii), 1)]
    dat += [f"{len(pairs)}"] + [f"{k} {a} {b} {r!s}" for k, ((a, b), r) in enumerate(zip(pairs, pair_radii), 1)]
    col = [f"{len(colors)}"] + [f"{i} {c}" for i, c in enumerate(colors, 1)]
    col += [f"{len(pair_colors)}"] + [f"{k} {c}" for k, c in enumerate(pair_colors, 1)]
    return "\n".join(dat) + "\n", "\n".join(col) + "\n"


def main() -> None:
    folder = Path(sys.argv[1] if len(sys.argv) > 1 else ".")
    steps = np.random.default_rng(7).normal(size=(BEADS, 3)).astype(np.float32)
    centres = np.cumsum(steps, axis=0)
    radii = np.full(BEADS, 0.4, dtype=np.float32)
    colors = 1 + np.arange(BEADS) * 5 // BEADS  # five bands along the chain
    pairs = np.stack([np.arange(1, BEADS), np.arange(2, BEADS + 1)], axis=1)
    pair_radii = np.full(BEADS - 1, 0.15, dtype=np.float32)
    pair_colors = np.full(BEADS - 1, 1)

    model = sferonda.Model(centres=centres, radii=radii, bead_colors=colors, connectors=pairs,
                           connector_radii=pair_radii, connector_colors=pair_colors)
    dat, col = model_files(centres, radii, colors, pairs, pair_radii, pair_colors)
    (folder / "walk.dat").write_text(dat)
    (folder / "walk.col").write_text(col)
    for kind, file_name in [(3, "walk.pov"), ("glb", "walk.glb")]:
        written = model.write(kind, folder / file_name)
        print(f"{written.name}: {len(written)} bytes", *written.warnings)


if __name__ == "__main__":
    main()
