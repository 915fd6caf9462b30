#!/bin/sh
# Runs one batch as a user would: copies the batch's input folder into a
# fresh scratch folder and answers the prompt with "main.inp". The console
# text lands in console.txt there; the exit status is the program's.
# Usage: run-batch.sh program input-folder scratch-folder
set -eu
program="$1" inputs="$2" scratch="$3"
case "$program" in /*) ;; *) program="$PWD/$program" ;; esac
rm -rf "$scratch"
mkdir -p "$scratch"
cp -R "$inputs"/. "$scratch"/
cd "$scratch"
echo main.inp | "$program" > console.txt
