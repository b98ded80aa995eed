#!/usr/bin/env bash
# Runs the end-to-end test of the zeb binary on its own X display and session bus, with the
# accessibility bus that lets the test find and press controls as a screen reader would.
# Usage: run.sh PATH_TO_ZEB
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export ZEB_BINARY=$1
exec dbus-run-session -- bash -c '
    for display in $(seq 40 99); do [ -e /tmp/.X11-unix/X$display ] || break; done
    Xvfb :$display -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    server=$!
    trap "kill $server" EXIT
    for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$display ] && break; sleep 0.1; done
    DISPLAY=:$display QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 /usr/bin/python3 "$0"
' "$here/e2e_test.py" 2> >(grep -v -E "dbus-daemon|SpiRegistry|AT-SPI" >&2)
