#!/usr/bin/env bash
# The program's own target, which ./run.sh builds alone, must bring the player module with it: without
# the module beside it, the program cannot play. Reads the build's plan rather than building anew.
# Usage: check_program_target.sh BUILD_FOLDER (a Ninja build)
set -euo pipefail
commands=$(ninja -C "$1" -t commands zeb)
if ! grep -q -- '-o libzeb_mpv\.so' <<<"$commands"; then
    echo "building the target zeb alone leaves out its player module libzeb_mpv.so"
    exit 1
fi
echo "the target zeb builds its player module"
