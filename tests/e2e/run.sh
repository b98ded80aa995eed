#!/usr/bin/env bash
# Runs an end-to-end test of the zeb binary on an X display of its own and a session bus of its own, with
# the accessibility bus that lets the test find and press controls as a screen reader would.
# Usage: run.sh PATH_TO_ZEB TEST_SCRIPT [ARGUMENTS...]
set -euo pipefail
export ZEB_BINARY=$1
script=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
shift 2
exec "$(dirname "$0")/../support/xvfb.sh" env QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    dbus-run-session -- /usr/bin/python3 "$script" "$@" \
    2> >(grep -v -E "dbus-daemon|SpiRegistry|AT-SPI|X connection to" >&2)
