#!/bin/sh
# Runs the pytest checks in CHECKS on the module as built in MODULES, from a
# scratch folder: a folder named sferonda in the working folder would be
# imported instead. Skipped (77) without pytest.
# Usage: run-pytest.sh PYTHON MODULES CHECKS SCRATCH
set -u
python="$1" modules="$2" checks="$3" scratch="$4"
if ! "$python" -c 'import pytest' 2>/dev/null; then
  echo "SKIPPED: no pytest for $python (Debian: apt-get install python3-pytest)"
  exit 77
fi
mkdir -p "$scratch" && cd "$scratch" || exit 1
PYTHONPATH="$modules" exec "$python" -m pytest -p no:cacheprovider -q "$checks"
