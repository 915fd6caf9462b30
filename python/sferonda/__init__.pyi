import os
from typing import Any, Optional, Sequence, Union

__all__ = ["FatalError", "Model", "ModelError", "Result", "Written", "read_model", "run_batch", "run_batch_files"]

_Path = Union[str, os.PathLike[str]]
_Kind = Union[int, str]  # a display type 1 to 6, or "glb"

EXTENSIONS: dict[_Kind, str]

class Result:
    @property
    def console(self) -> str: ...
    @property
    def ending(self) -> str: ...  # "normal", "stop" or "fatal"
    @property
    def status(self) -> int: ...
    @property
    def fatal_line(self) -> str: ...
    @property
    def error_number(self) -> int: ...
    @property
    def unit(self) -> int: ...
    @property
    def file(self) -> str: ...
    @property
    def files(self) -> dict[str, bytes]: ...

class ModelError(Exception):
    console: str
    status: int
    def __init__(self, message: str, console: str = ..., status: int = ...) -> None: ...

class FatalError(Exception):
    line: str
    number: int
    unit: int
    file: str
    console: str
    result: Optional[Result]
    def __init__(self, line: str, number: int, unit: int = ..., file: str = ..., console: str = ...,
                 result: Optional[Result] = ...) -> None: ...

class Written(bytes):
    name: str
    warnings: list[str]
    console: str

class Model:
    console: str
    def __init__(self, centres: Sequence[Sequence[float]] | Any, radii: Sequence[float] | Any,
                 bead_colors: Sequence[int] | Any, connectors: Sequence[Sequence[int]] | Any = ...,
                 connector_radii: Sequence[float] | Any = ..., connector_colors: Sequence[int] | Any = ...) -> None: ...
    @property
    def bead_count(self) -> int: ...
    @property
    def connector_count(self) -> int: ...
    def to_bytes(self, kind: _Kind, name: Union[str, bytes] = ..., *, detail: Optional[str] = ...,
                 instanced: bool = ...) -> Written: ...
    def write(self, kind: _Kind, path: _Path, *, detail: Optional[str] = ..., instanced: bool = ...) -> Written: ...

def read_model(coordinates: Union[_Path, bytes], colors: Union[_Path, bytes]) -> Model: ...
def run_batch(main_input: _Path, folder: _Path = ...) -> Result: ...
def run_batch_files(files: dict[str, bytes], main_input: str) -> Result: ...
