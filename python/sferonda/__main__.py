"""python3 -m sferonda: the console program, with the arguments of its command line."""

import os
import sys

from ._sferonda import run_console_program

if __name__ == "__main__":
    sys.exit(run_console_program([os.fsencode(argument) for argument in sys.argv[1:]]))
