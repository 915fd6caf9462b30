#!/bin/sh
# Builds the wheel from a copy of the source as a user's clone has it
# (offline: Debian's build tools, no isolation), checks that it holds the
# package alone, installs it into a fresh venv that sees the system's
# packages, and runs the examples' golden check on it there. Given a WHEEL
# (a release's), checks that one instead of building one.
# Usage: check-wheel.sh PYTHON SOURCE SCRATCH [WHEEL]
set -u
python="$1" source="$2" scratch="$3" wheel="${4:-}"
for module in venv build skbuild pybind11 pytest; do
  if ! "$python" -c "import $module" 2>/dev/null; then
    echo "SKIPPED: no $module for $python (Debian: apt-get install python3-venv python3-build" \
      "python3-skbuild python3-pybind11 pybind11-dev python3-pytest)"
    exit 77
  fi
done
rm -rf "$scratch"
mkdir -p "$scratch/source"
checks="$scratch/source/tests/python"
if [ -n "$wheel" ]; then
  checks="$source/tests/python"
else
(cd "$source" && git ls-files -z --cached --others --exclude-standard |
  xargs -0 sh -c 'for path; do [ -f "$path" ] && printf "%s\0" "$path"; done' sh |
  tar --null -T - -cf -) | tar -xf - -C "$scratch/source" || { echo "could not copy the source"; exit 1; }

(cd "$scratch/source" &&
  "$python" -m build --no-isolation --skip-dependency-check --wheel --outdir "$scratch/dist") \
  > "$scratch/build.log" 2>&1 || { echo "the wheel did not build: see $scratch/build.log"; exit 1; }
wheel="$(ls "$scratch"/dist/sferonda-*.whl)" || exit 1
fi
unexpected="$("$python" -m zipfile -l "$wheel" | sed -n '2,$p' | cut -d' ' -f1 |
  grep -v -e '^sferonda/__init__\.pyi*$' -e '^sferonda/__main__\.py$' -e '^sferonda/py\.typed$' \
    -e '^sferonda/_sferonda\..*\.so$' -e '^sferonda-[0-9.]*\.dist-info/')"
[ -z "$unexpected" ] || { echo "the wheel holds more than the package:"; echo "$unexpected"; exit 1; }

"$python" -m venv --system-site-packages "$scratch/venv" || exit 1
"$scratch/venv/bin/pip" install --no-index --no-deps "$wheel" > "$scratch/install.log" 2>&1 ||
  { echo "the wheel did not install: see $scratch/install.log"; exit 1; }
cd "$scratch" && exec "$scratch/venv/bin/python" -m pytest -p no:cacheprovider -q \
  "$checks/test_batch_files.py" -k examples
