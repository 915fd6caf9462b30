"""The interface of the package sferonda (docs/python.md) against the
goldens (tests/golden/README.md) and the program's own words (docs/errors.md)."""

import os
import shutil
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor
from pathlib import Path

import numpy as np
import pytest

import sferonda

ROOT = Path(__file__).resolve().parents[2]
EXAMPLES = ROOT / "examples"
GOLDEN = ROOT / "tests" / "golden"
BATCHES = [(EXAMPLES, GOLDEN / "examples"), (GOLDEN / "rare" / "input", GOLDEN / "rare" / "expected")]
MODELS = ["chain", "compact", "helix", "single", "star"]
KINDS = [1, 2, 3, 4, 5, 6, "glb"]


def cases(folder: Path):
    """(display type, coordinates, colors, output name) of each case of main.inp."""
    words = (folder / "main.inp").read_text().split()
    while int(words[0]) >= 0:
        yield int(words[0]), *words[1:4]
        words = words[4:]


def model_arrays(name: str) -> dict:
    """The example's numbers as the program reads them: reals as float32."""
    dat = (EXAMPLES / f"{name}.dat").read_text().split()
    col = [int(word) for word in (EXAMPLES / f"{name}.col").read_text().split()]
    beads = int(dat[0])
    bead_rows = np.array(dat[1:1 + 5 * beads], dtype=np.float32).reshape(beads, 5)
    connectors = int(dat[1 + 5 * beads])
    pair_rows = np.array(dat[2 + 5 * beads:2 + 5 * beads + 4 * connectors], dtype=np.float32).reshape(-1, 4)
    return dict(centres=bead_rows[:, 1:4], radii=bead_rows[:, 4], bead_colors=col[2:2 + 2 * beads:2],
                connectors=pair_rows[:, 1:3].astype(np.int32), connector_radii=pair_rows[:, 3],
                connector_colors=col[3 + 2 * beads::2])


@pytest.mark.parametrize("inputs, expected", BATCHES, ids=["examples", "rare"])
def test_golden_batch_in_a_folder(inputs: Path, expected: Path, tmp_path: Path) -> None:
    shutil.copytree(inputs, tmp_path, dirs_exist_ok=True)
    goldens = {path.name: path.read_bytes() for path in expected.iterdir()}
    result = sferonda.run_batch("main.inp", folder=tmp_path)
    assert (result.ending, result.status) == ("normal", 0)
    assert result.console.encode("utf-8", "surrogateescape") == goldens.pop("console.txt")
    assert result.files == goldens
    assert {name: (tmp_path / name).read_bytes() for name in goldens} == goldens


@pytest.mark.parametrize("inputs, expected", BATCHES, ids=["examples", "rare"])
def test_golden_models_one_by_one(inputs: Path, expected: Path) -> None:
    extensions = {1: ".bea", 2: ".ppv", 3: ".pov", 4: "-worm.pov", 5: ".pi", 6: ".vrml"}
    for display_type, coordinates, colors, name in cases(inputs):
        golden = (expected / (name + extensions[display_type])).read_bytes()
        model = sferonda.read_model(inputs / coordinates, str(inputs / colors))
        if golden:
            assert model.to_bytes(display_type, name) == golden, (name, display_type)
        else:
            with pytest.raises(sferonda.ModelError, match="^ ERROR: Model cannot be framed; graphics file left empty$"):
                model.to_bytes(display_type, name)


@pytest.mark.parametrize("options", [[], ["--detail", "low", "--instanced"]], ids=["default", "low-instanced"])
def test_glb_as_the_command_writes_it(options: list, tmp_path: Path) -> None:
    keywords = {"detail": options[1], "instanced": True} if options else {}
    for name in MODELS:
        subprocess.run([sys.executable, "-m", "sferonda", "gltf", *options, EXAMPLES / f"{name}.dat",
                        EXAMPLES / f"{name}.col", f"{name}.glb"], cwd=tmp_path, check=True, capture_output=True)
        written = sferonda.read_model(EXAMPLES / f"{name}.dat", EXAMPLES / f"{name}.col").to_bytes(
            "glb", name, **keywords)
        assert (written.name, written) == (f"{name}.glb", (tmp_path / f"{name}.glb").read_bytes())


def test_arrays_give_the_model_of_the_files(tmp_path: Path) -> None:
    for name in MODELS:
        from_files = sferonda.read_model((EXAMPLES / f"{name}.dat").read_bytes(),
                                         (EXAMPLES / f"{name}.col").read_bytes())
        from_arrays = sferonda.Model(**model_arrays(name))
        assert (from_arrays.bead_count, from_arrays.connector_count) == (from_files.bead_count,
                                                                         from_files.connector_count)
        for kind in KINDS:
            assert from_arrays.to_bytes(kind, name) == from_files.to_bytes(kind, name), (name, kind)
    written = from_arrays.write(4, tmp_path / "star-worm.pov")
    assert (tmp_path / "star-worm.pov").read_bytes() == written == (EXAMPLES.parent / "tests" / "golden" /
                                                                   "examples" / "star-worm.pov").read_bytes()


def test_float64_rounds_to_the_nearest_float32() -> None:
    arrays = model_arrays("helix")
    exact = sferonda.Model(**arrays).to_bytes(3)
    # A third of the way to the next float32 away, in float64: back to the same floats.
    centres = arrays["centres"].astype(np.float64)
    centres += (np.nextafter(arrays["centres"], np.float32(np.inf)) - arrays["centres"]) / 3
    assert sferonda.Model(**dict(arrays, centres=centres)).to_bytes(3) == exact
    centres += (np.nextafter(arrays["centres"], np.float32(np.inf)) - arrays["centres"]) / 2
    assert sferonda.Model(**dict(arrays, centres=centres)).to_bytes(3) != exact


def test_refusals_in_the_programs_words(tmp_path: Path) -> None:
    dat, col = (EXAMPLES / "chain.dat").read_bytes(), (EXAMPLES / "chain.col").read_bytes()
    with pytest.raises(sferonda.ModelError) as from_files:
        sferonda.read_model(dat, col.replace(b"300\n", b"299\n", 1))
    assert from_files.value.status == 0
    assert str(from_files.value).split() == "*** ERROR in Sferonda: Numbers of beads in the two files not equal 300 299".split()
    arrays = model_arrays("chain")
    with pytest.raises(sferonda.ModelError) as from_arrays:
        sferonda.Model(**dict(arrays, bead_colors=arrays["bead_colors"][:299]))
    assert str(from_arrays.value) == str(from_files.value)
    with pytest.raises(sferonda.ModelError, match="Number of beads +10001 +exceeds dimension +10000"):
        sferonda.Model(centres=np.zeros((10001, 3)), radii=np.ones(10001), bead_colors=np.ones(10001))

    bad_color = sferonda.read_model(dat, col.replace(b"\n1 4\n", b"\n1 99\n", 1))
    with pytest.raises(sferonda.ModelError, match=r"^ERROR: Invalid ball #00001 index color\.$"):
        bad_color.to_bytes(3)
    pairs = arrays["connectors"].copy()
    pairs[-1, 1] = 301
    with pytest.raises(sferonda.ModelError, match=f"^ERROR: Invalid number of second bead: 301 for connector # {len(pairs)}$"):
        sferonda.Model(**dict(arrays, connectors=pairs)).to_bytes(6)

    with pytest.raises(sferonda.FatalError) as letter:
        sferonda.read_model(dat.replace(b"\n2 -3.029", b"\n2 -3.0x9", 1), col)
    assert (letter.value.number, letter.value.unit, letter.value.file) == (64, 4, "coordinates")
    assert letter.value.line == "forrtl: severe (64): input conversion error, unit 4, file coordinates"
    with pytest.raises(sferonda.FatalError) as missing:
        sferonda.read_model(tmp_path / "none.dat", EXAMPLES / "chain.col")
    assert missing.value.line == f"forrtl: severe (29): file not found, unit 4, file {tmp_path / 'none.dat'}"
    (tmp_path / "main.inp").write_text("3\nnone.dat\nnone.col\nnone\n-1\n")
    with pytest.raises(sferonda.FatalError, match=r"^forrtl: severe \(29\): file not found, unit 4, file ") as batch:
        sferonda.run_batch("main.inp", tmp_path)
    assert batch.value.result.status == 29 and "sferonda-log.txt" in batch.value.result.files


def test_eight_threads_give_the_bytes_of_each_alone() -> None:
    models = {name: sferonda.Model(**model_arrays(name)) for name in MODELS}
    jobs = [(name, kind) for name in MODELS for kind in KINDS] * 3
    alone = {(name, kind): models[name].to_bytes(kind, name) for name, kind in jobs}
    with ThreadPoolExecutor(8) as pool:
        together = list(pool.map(lambda job: models[job[0]].to_bytes(job[1], job[0]), jobs))
    assert together == [alone[job] for job in jobs]


def test_random_walk_example(tmp_path: Path) -> None:
    subprocess.run([sys.executable, EXAMPLES / "random_walk.py", tmp_path], check=True, capture_output=True)
    model = sferonda.read_model(tmp_path / "walk.dat", tmp_path / "walk.col")
    for kind, name in [(3, "walk.pov"), ("glb", "walk.glb")]:
        assert model.to_bytes(kind, "walk") == (tmp_path / name).read_bytes(), name
