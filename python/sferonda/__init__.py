"""Sferonda: bead models into scene files, from Python (docs/python.md)."""

from ._sferonda import Result, run_batch_files

__all__ = ["FatalError", "ModelError", "Result", "run_batch_files"]


class ModelError(Exception):
    """A problem with the model that the run reported: .console holds what it showed."""

    def __init__(self, message: str, console: str = "") -> None:
        super().__init__(message)
        self.console = console


class FatalError(Exception):
    """A fatal error that ended the run, as its line tells it:
    "forrtl: severe (number): message, unit unit, file file"."""

    def __init__(self, line: str, number: int, unit: int = 0, file: str = "", console: str = "") -> None:
        super().__init__(line)
        self.line = line
        self.number = number
        self.unit = unit
        self.file = file
        self.console = console
