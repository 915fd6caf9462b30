"""sferonda.run_batch_files on the golden batches (tests/golden/README.md)
and on the two other ways a run ends (docs/errors.md)."""

from pathlib import Path

import pytest

import sferonda

ROOT = Path(__file__).resolve().parents[2]
GOLDEN = ROOT / "tests" / "golden"


def files_in(folder: Path) -> dict[str, bytes]:
    return {path.name: path.read_bytes() for path in folder.iterdir() if path.is_file()}


@pytest.mark.parametrize(
    "inputs, expected",
    [(ROOT / "examples", GOLDEN / "examples"), (GOLDEN / "rare" / "input", GOLDEN / "rare" / "expected")],
    ids=["examples", "rare"],
)
def test_golden_batch(inputs: Path, expected: Path) -> None:
    goldens = files_in(expected)
    result = sferonda.run_batch_files(files_in(inputs), "main.inp")
    assert (result.ending, result.status, result.fatal_line) == ("normal", 0, "")
    assert result.console.encode("utf-8", "surrogateescape") == goldens.pop("console.txt")
    assert sorted(result.files) == sorted(goldens)
    for name, golden in goldens.items():
        assert result.files[name] == golden, name


def test_invalid_display_type_stops() -> None:
    files = {name: (ROOT / "examples" / name).read_bytes() for name in ("chain.dat", "chain.col")}
    files["main.inp"] = b"7\nchain.dat\nchain.col\nchain\n-1\n"
    result = sferonda.run_batch_files(files, "main.inp")
    assert (result.ending, result.status, result.fatal_line) == ("stop", 0, "")


def test_missing_model_file_is_returned_fatal() -> None:
    result = sferonda.run_batch_files({"main.inp": b"1\nnone.dat\nnone.col\nnone\n-1\n"}, "main.inp")
    assert (result.ending, result.status) == ("fatal", 29)
    assert result.fatal_line.startswith("forrtl: severe (29): file not found, unit ")
