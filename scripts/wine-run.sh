#!/bin/sh
# Runs a Windows program under Wine: no debugging chatter, and no prompt to
# install Mono or Gecko that would stall an unattended run.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
exec wine "$@"
