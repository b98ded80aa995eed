#!/usr/bin/env bash
# An X display of its own for tests, benchmarks and screenshots. The server picks a free display and tells
# its number, so that runs side by side never share one; -noreset keeps it up between the programs a run
# starts.
#
# Run:     xvfb.sh [-s WIDTHxHEIGHT] COMMAND [ARGUMENTS...]
#          runs the command with DISPLAY set and exits as it did; the server ends with it.
#          xvfb.sh [-s WIDTHxHEIGHT]
#          prints the display (":N") and keeps the server until it is ended (SIGTERM).
# Sourced: start_xvfb [WIDTHxHEIGHT]
#          starts a server, exports DISPLAY and sets XVFB_PID, which the caller ends when done.
# The screen is 1024x768 unless told.

start_xvfb() {
    local number
    number=$(mktemp)
    Xvfb -displayfd 3 -noreset -screen 0 "${1:-1024x768}x24" -nolisten tcp 3>"$number" 2>/dev/null &
    XVFB_PID=$!
    for _ in $(seq 100); do [ -s "$number" ] && break; sleep 0.1; done
    if [ ! -s "$number" ]; then
        rm -f "$number"
        echo "Xvfb did not start (scripts/install-deps.sh test installs xvfb)" >&2
        return 1
    fi
    DISPLAY=:$(head -n 1 "$number")
    export DISPLAY
    rm -f "$number"
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    set -euo pipefail
    screen=1024x768
    if [ "${1:-}" = -s ]; then
        screen=$2
        shift 2
    fi
    start_xvfb "$screen"
    trap 'kill $XVFB_PID 2>/dev/null' EXIT
    trap 'exit 143' TERM
    if [ $# -eq 0 ]; then
        echo "$DISPLAY"
        wait $XVFB_PID
        exit 0
    fi
    status=0
    "$@" || status=$?
    exit $status
fi
