#!/bin/sh
# Runs one real-tool check with Debian's python3, where the apt-installed
# modules (gemmi, rdkit) live; any other python3 on PATH may lack them.
# Usage: run-check.sh check_name.py [options of the check]
python=/usr/bin/python3
if [ ! -x "$python" ]; then
  echo "SKIPPED: $python is not installed (Debian: apt-get install python3)"
  exit 77
fi
check="$1"
shift
exec "$python" -B "${0%/*}/$check" "$@"
