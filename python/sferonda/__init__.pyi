__all__ = ["FatalError", "ModelError", "Result", "run_batch_files"]

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
    def files(self) -> dict[str, bytes]: ...

def run_batch_files(files: dict[str, bytes], main_input: str) -> Result: ...

class ModelError(Exception):
    console: str
    def __init__(self, message: str, console: str = ...) -> None: ...

class FatalError(Exception):
    line: str
    number: int
    unit: int
    file: str
    console: str
    def __init__(self, line: str, number: int, unit: int = ..., file: str = ..., console: str = ...) -> None: ...
