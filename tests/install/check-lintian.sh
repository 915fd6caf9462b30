#!/bin/sh
# Debian's package checker on the package: no error and no warning (its
# notes, "I:" lines, are shown but allowed).
# Usage: check-lintian.sh package
set -u
if ! command -v lintian >/dev/null; then
  echo "SKIPPED: lintian is not installed (Debian: apt-get install lintian)"
  exit 77
fi
report="$(lintian --display-info --fail-on error,warning "$1" 2>&1)"
status=$?
printf '%s\n' "$report" | grep -v '^running with root privileges'
[ "$status" -eq 0 ] || { echo "lintian reports errors or warnings (status $status)"; exit 1; }
echo "lintian: no error, no warning ($(printf '%s\n' "$report" | grep -c '^[IPX]:') notes)"
