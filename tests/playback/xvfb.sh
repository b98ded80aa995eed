#!/usr/bin/env bash
# Runs a test program on an X display and a session bus of its own, with an OpenGL (2.0) too old for
# libmpv to draw with.
# Usage: xvfb.sh PROGRAM [ARGUMENTS...]
set -euo pipefail
number=$(mktemp)
Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$number" 2>/dev/null &
server=$!
trap 'kill $server; rm -f "$number"' EXIT
for _ in $(seq 100); do [ -s "$number" ] && break; sleep 0.1; done
DISPLAY=:$(head -n 1 "$number") QT_QPA_PLATFORM=xcb MESA_GL_VERSION_OVERRIDE=2.0 dbus-run-session -- "$@"
