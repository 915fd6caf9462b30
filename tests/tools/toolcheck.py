"""Shared part of the real-tool checks: runs sferonda on the shipped examples
in a scratch folder, reads the bead models back, and collects failures.

Each check script takes the same options (see `arguments`) and exits with 0
when every file passes, 1 on any failure and SKIPPED (77) when the tool it
needs is not installed, which CTest reports as a skipped test.
"""

import argparse
import os
import re
import shutil
import subprocess
import sys

SKIPPED = 77


def arguments(description, extra=None):
    parser = argparse.ArgumentParser(description=description)
    parser.add_argument("--program", required=True, help="the sferonda executable")
    parser.add_argument("--examples", required=True, help="the examples/ folder")
    parser.add_argument("--scratch", required=True, help="folder to work in (emptied first)")
    if extra:
        extra(parser)
    return parser.parse_args()


def skip(reason):
    print(f"SKIPPED: {reason}")
    sys.exit(SKIPPED)


class Model:
    """A bead model as the coordinates-and-connectors and colors files give it."""

    def __init__(self, dat_path, col_path):
        numbers = read_numbers(dat_path)
        count = int(numbers.pop(0))
        rows = [numbers[5 * i:5 * i + 5] for i in range(count)]
        del numbers[:5 * count]
        self.beads = [tuple(float(v) for v in row[1:5]) for row in rows]  # (x, y, z, radius)
        count = int(numbers.pop(0))
        rows = [numbers[4 * i:4 * i + 4] for i in range(count)]
        self.connectors = [(int(row[1]), int(row[2]), float(row[3])) for row in rows]  # (first, second, radius)
        colors = read_numbers(col_path)
        count = int(colors.pop(0))
        self.bead_colors = [int(colors[2 * i + 1]) for i in range(count)]
        del colors[:2 * count]
        count = int(colors.pop(0))
        self.connector_colors = [int(colors[2 * i + 1]) for i in range(count)]

    @property
    def bead_count(self):
        return len(self.beads)

    @property
    def connector_count(self):
        return len(self.connectors)


def read_numbers(path):
    with open(path) as source:
        return [token for token in re.split(r"[\s,]+", source.read()) if token]


class Case:
    def __init__(self, display_type, dat, col, name):
        self.display_type, self.dat, self.col, self.name = display_type, dat, col, name


EXTENSIONS = {1: ".bea", 2: ".ppv", 3: ".pov", 4: "-worm.pov", 5: ".pi", 6: ".vrml"}


def read_cases(main_input):
    with open(main_input) as source:
        lines = [line.strip() for line in source]
    cases = []
    while lines and int(lines[0]) >= 0:
        cases.append(Case(int(lines[0]), *lines[1:4]))
        del lines[:4]
    return cases


class Run:
    """The examples run through sferonda in a fresh scratch folder."""

    def __init__(self, options):
        self.folder = os.path.abspath(options.scratch)
        shutil.rmtree(self.folder, ignore_errors=True)
        os.makedirs(self.folder)
        for entry in os.listdir(options.examples):
            source = os.path.join(options.examples, entry)
            if os.path.isfile(source):
                shutil.copy(source, self.folder)
        result = subprocess.run([os.path.abspath(options.program)], cwd=self.folder, input="main.inp\n",
                                capture_output=True, text=True, timeout=120)
        if result.returncode != 0 or result.stderr:
            sys.exit(f"FAILED: sferonda ended with status {result.returncode}: {result.stderr.strip()}")
        self.cases = read_cases(self.path("main.inp"))
        self._models = {}

    def path(self, name):
        return os.path.join(self.folder, name)

    def model(self, case):
        key = (case.dat, case.col)
        if key not in self._models:
            self._models[key] = Model(self.path(case.dat), self.path(case.col))
        return self._models[key]

    def files(self, display_type):
        """(file name, model) of every case of the display type; a case
        without its file is a failure at once."""
        found = []
        for case in self.cases:
            if case.display_type != display_type:
                continue
            name = case.name.split()[0] + EXTENSIONS[display_type]
            if not os.path.isfile(self.path(name)) or os.path.getsize(self.path(name)) == 0:
                sys.exit(f"FAILED: sferonda wrote no {name}")
            found.append((name, self.model(case)))
        if not found:
            sys.exit(f"FAILED: the examples hold no case of display type {display_type}")
        return found


class Verdict:
    """Collects failures per file and prints one line per file checked."""

    def __init__(self):
        self.failures = 0

    def file(self, name, problems, summary):
        if problems:
            self.failures += 1
            print(f"FAIL {name}")
            for problem in problems:
                print(f"    {problem}")
        else:
            print(f"ok   {name}: {summary}")

    def finish(self):
        if self.failures:
            print(f"{self.failures} file(s) failed")
            sys.exit(1)
        sys.exit(0)
