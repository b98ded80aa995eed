#!/usr/bin/env bash
# Starts ZEB under its own Xvfb with a fresh settings file and saves a picture of each window in docs/.
# Usage: scripts/screenshots.sh [path to the zeb binary]   (default: build/release/zeb)
set -euo pipefail
cd "$(dirname "$0")/.."
binary=$(readlink -f "${1:-build/release/zeb}")
out=$(pwd)/docs
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT

export DISPLAY=:$((60 + RANDOM % 30))
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
sleep 1
cp "$binary" "$work/zeb"
"$work/zeb" >/dev/null 2>&1 &
pid=$!
sleep 2

# Saves every visible window of ZEB as docs/<name>.png.
shoot() {
    local name=$1
    local window
    window=$(xdotool search --onlyvisible --pid "$pid" | tail -n 1)
    import -window "$window" "$out/$name.png"
}
# Clicks at a point of the main window (it sits at the screen's top-left corner: no window manager).
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.7; }

shoot main-window
click 32 394          # settings button
shoot settings-window
click 602 441         # its OK button (the window is centred on the screen)
click 484 428         # about button
shoot about-window
