"""Sferonda: bead models into scene files, from Python, with the bytes of the
command-line program (docs/python.md).

    model = sferonda.Model(centres=xyz, radii=r, bead_colors=c,
                           connectors=pairs, connector_radii=cr, connector_colors=cc)
    model.write(3, "chain.pov")
    glb = model.to_bytes("glb", name="chain")

A model comes from arrays (Model) or from its two files (read_model); a
whole batch runs with run_batch. Nothing is printed: the console's text is
on every result and exception. The interpreter's lock is released while the
program works, so that threads convert at once.
"""

import numbers
import os
from typing import Optional, Sequence, Union

from ._sferonda import Result, run_batch_files
from . import _sferonda

__all__ = ["FatalError", "Model", "ModelError", "Result", "Written", "read_model", "run_batch", "run_batch_files"]

# The file-name extension of each display type, as the program names its files.
EXTENSIONS = {1: ".bea", 2: ".ppv", 3: ".pov", 4: "-worm.pov", 5: ".pi", 6: ".vrml", "glb": ".glb"}


class ModelError(Exception):
    """The program refused the model or its file, as a case of the batch
    would: a reader problem (counts that differ, a line out of order), a
    writer's stop (a bad color index, too many connectors for display type
    1), or a model that cannot be framed. str() is the program's own words;
    .console is all the console showed and .status the exit status."""

    def __init__(self, message: str, console: str = "", status: int = 0) -> None:
        super().__init__(message)
        self.console = console
        self.status = status


class FatalError(Exception):
    """A fatal error that ended the run, as its line tells it:
    "forrtl: severe (number): message, unit unit, file file". .number is also
    the console program's exit status; .console is what the console showed.
    A batch's .result holds the files it wrote before (None elsewhere)."""

    def __init__(self, line: str, number: int, unit: int = 0, file: str = "", console: str = "",
                 result: Optional[Result] = None) -> None:
        super().__init__(line)
        self.line = line
        self.number = number
        self.unit = unit
        self.file = file
        self.console = console
        self.result = result


class Written(bytes):
    """The bytes of a file the program wrote, with .name (the file's name as
    the program gives it), .warnings (the console's warning lines, such as
    unequal beads for display type 1) and .console."""

    name: str
    warnings: list
    console: str


def _fatal(outcome, result: Optional[Result] = None) -> FatalError:
    """The FatalError of an outcome that ended the run."""
    return FatalError(outcome.fatal_line, outcome.error_number, outcome.unit, outcome.file, outcome.console, result)


def _checked(outcome):
    """The outcome of a call that went through; else its exception."""
    if outcome.ending == "fatal":
        raise _fatal(outcome)
    if not outcome.done:
        raise ModelError(outcome.refusal or outcome.console, outcome.console, outcome.status)
    return outcome


def _written(outcome) -> Written:
    """The bytes of a written file, with its name, warnings and console."""
    written = Written(outcome.data)
    written.name = outcome.name
    written.console = outcome.console
    written.warnings = outcome.warnings.splitlines()
    return written


def _name(name: Union[str, bytes, "os.PathLike[str]"]) -> Union[str, bytes]:
    """A name as the module takes it: str or bytes, a path as its bytes."""
    return os.fsencode(name) if isinstance(name, os.PathLike) else name


class Model:
    """A bead model, as the program holds it; never changed once made.

    Model(centres, radii, bead_colors, connectors=(), connector_radii=(),
    connector_colors=()) takes any sequences or numpy arrays: bead centres
    N x 3, their radii and color indexes; connectors M x 2 as pairs of bead
    numbers counted from 1, as in the files, their radii and color indexes.
    Reals are taken as float32, as the program computes: float64 values are
    rounded to the nearest float32 (float32 arrays give the bytes of files
    whose digits read back as those floats). Integers are taken as int32.

    Nothing is checked that the program does not check: a connector to a
    bead that does not exist is refused by the writers that refuse it, in
    their words. More than 10000 beads or 25000 connectors, or as many
    colors as beads or connectors, raise ModelError with the reader's
    messages; shapes that no pair of files could give raise ValueError.
    """

    def __init__(self, centres: Sequence, radii: Sequence, bead_colors: Sequence, connectors: Sequence = (),
                 connector_radii: Sequence = (), connector_colors: Sequence = ()) -> None:
        outcome, core = _sferonda.model_from_arrays(centres, radii, bead_colors, connectors, connector_radii,
                                                    connector_colors)
        _checked(outcome)
        self._core = core
        self.console = outcome.console

    @classmethod
    def _of(cls, outcome, core) -> "Model":
        """The model a reading gave, or its exception."""
        _checked(outcome)
        model = cls.__new__(cls)
        model._core = core
        model.console = outcome.console
        return model

    @property
    def bead_count(self) -> int:
        """The number of beads."""
        return self._core.bead_count

    @property
    def connector_count(self) -> int:
        """The number of connectors."""
        return self._core.connector_count

    def to_bytes(self, kind: Union[int, str], name: Union[str, bytes] = "model", *, detail: Optional[str] = None,
                 instanced: bool = False) -> Written:
        """The file of display type `kind` (1 to 6) or binary glTF ("glb"),
        as the program writes it for a case whose output name is `name`
        (its file named name + extension: .name). For glTF, `detail` is
        "low", "medium" or "high" (by default the finest that keeps the
        model within the viewers' budget) and `instanced` shares one node
        per shape and color, as --detail and --instanced on the command line.
        Raises ModelError when the program would not write the file whole,
        FatalError when it would end."""
        if kind == "glb":
            outcome = self._core.write_gltf(name, detail, instanced)
        elif isinstance(kind, numbers.Integral) and not isinstance(kind, bool):
            outcome = self._core.write_display_type(int(kind), name)
        else:
            raise TypeError('kind must be a display type (1 to 6) or "glb"')
        return _written(_checked(outcome))

    def write(self, kind: Union[int, str], path: Union[str, "os.PathLike[str]"], *, detail: Optional[str] = None,
              instanced: bool = False) -> Written:
        """Writes the file of to_bytes(kind) to `path`, the output name being
        the path's file name without the kind's extension (so that the file
        holds the name the program would give it), and returns its bytes."""
        file_name = os.path.basename(os.fspath(path))
        extension = EXTENSIONS.get(kind, "")
        name = file_name[: -len(extension)] if extension and file_name.endswith(extension) else file_name
        written = self.to_bytes(kind, name, detail=detail, instanced=instanced)
        with open(path, "wb") as file:
            file.write(written)
        return written

    def __repr__(self) -> str:
        return f"<sferonda.Model beads={self.bead_count} connectors={self.connector_count}>"


def read_model(coordinates: Union[str, bytes, "os.PathLike[str]"],
               colors: Union[str, bytes, "os.PathLike[str]"]) -> Model:
    """The model of a coordinates-and-connectors file and a colors file,
    read by the program's reader: both paths (str or os.PathLike, from the
    working folder) or both contents (bytes, read as files named
    "coordinates" and "colors"). Raises ModelError with the reader's words
    when it refuses the model, FatalError when it would end the run (a
    missing file: error 29; a letter in a number: error 64)."""
    if isinstance(coordinates, bytes) and isinstance(colors, bytes):
        return Model._of(*_sferonda.read_model_bytes(coordinates, colors))
    if isinstance(coordinates, bytes) or isinstance(colors, bytes):
        raise TypeError("give both files as paths or both as bytes")
    return Model._of(*_sferonda.read_model_paths(_name(coordinates), _name(colors)))


def run_batch(main_input: Union[str, "os.PathLike[str]"], folder: Union[str, "os.PathLike[str]"] = ".") -> Result:
    """Runs the batch whose main input file is `main_input`, in `folder`,
    as the console program run there answering the prompt with
    `main_input` (a pause goes on as when standard input has ended; the
    working folder stays as it is). Returns a Result: .console, .ending
    ("normal" or "stop"), .status and .files (name -> bytes) written into
    the folder; a refused case is on the console, and the run goes on as in
    the program. A fatal error raises FatalError, whose .result holds what
    the run wrote before."""
    result = _sferonda.run_batch_in_folder(_name(main_input), _name(folder))
    if result.ending == "fatal":
        raise FatalError(result.fatal_line, result.error_number, result.unit, result.file, result.console, result)
    return result
