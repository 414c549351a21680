#!/bin/sh
# Runs a test program under its emulator (the first argument, e.g. wine) with
# the recording help viewer: hhctrl.ocx beside the program replaces Wine's
# own only when WINEDLLOVERRIDES names it when Wine starts.
#   usage: with-viewer.sh EMULATOR PROGRAM [ARGUMENTS...]
WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}hhctrl.ocx=n"
export WINEDLLOVERRIDES
exec "$@"
