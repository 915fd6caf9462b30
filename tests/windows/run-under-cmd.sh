#!/bin/sh
# Runs the Windows program in a folder through the command interpreter,
# answers from a file, as a user of a console window would:
#   run-under-cmd.sh program.exe folder answers-file [redirection]
# Standard output lands in stdout.txt, standard error in stderr.txt; the
# status as Windows keeps it, all 32 bits as signed decimal, is printed.
# The names are left unquoted (cmd /c takes a leading quote as its own):
# they must hold no blank.
set -eu
program="$1" folder="$2" answers="$3" redirection="${4:-> stdout.txt}"
cd "$folder"
exe="$(winepath -w "$program" 2>/dev/null)"
input="$(winepath -w "$answers" 2>/dev/null)"
WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
    wine cmd /v:on /c "$exe < $input $redirection 2> stderr.txt & echo !ERRORLEVEL!" | tr -d '\r'
