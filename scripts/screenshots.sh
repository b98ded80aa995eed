#!/usr/bin/env bash
# Starts ZEB under its own Xvfb in a folder of sample media files and saves pictures of its windows in
# docs/. Needs xvfb, xdotool, imagemagick and python3.
# Usage: scripts/screenshots.sh [path to the zeb binary]   (default: build/release/zeb)
set -euo pipefail
cd "$(dirname "$0")/.."
binary=$(readlink -f "${1:-build/release/zeb}")
out=$(pwd)/docs
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT

# The program's folder: ZEB, its settings (five formats) and some media files and folders to browse.
cp "$binary" "$work/zeb"
python3 - "$work/ZEBcfg.dat" <<'PY'
import struct, sys
def record(item): return item + b'\0' * (128 - len(item))
def text(t): return struct.pack('<HH', 8, len(t)) + t.encode()
def integer(v): return struct.pack('<Hh', 2, v)
def real(v): return struct.pack('<Hf', 4, v)
formats = ['mp3', 'wav', 'ogg', 'avi', 'mkv']
items = [text(''), integer(0), integer(0), integer(0), real(1500), real(1500), real(0), real(0), integer(0),
         integer(len(formats))] + [text(f) for f in formats] + [text('si')] * len(formats)
open(sys.argv[1], 'wb').write(b''.join(record(i) for i in items))
PY
mkdir -p "$work/Concerti" "$work/Film" "$work/Podcast"
for name in "Aria sulla quarta corda.mp3" "Bolero.ogg" "Canone in re.mp3" "Clair de lune.wav" \
            "Danza ungherese n. 5.mp3" "Il volo del calabrone.MP3" "La primavera.mp3" "Notturno.wav" \
            "Sinfonia dal nuovo mondo.mp3" "Vacanze al mare.avi" "Viaggio in treno.mkv" "note.txt"; do
    : > "$work/$name"
done

export DISPLAY=:$((60 + RANDOM % 30))
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
sleep 1
"$work/zeb" >/dev/null 2>&1 &
pid=$!
sleep 2

# Saves the topmost visible window of ZEB as docs/<name>.png.
shoot() {
    local window
    window=$(xdotool search --onlyvisible --pid "$pid" | tail -n 1)
    import -window "$window" "$out/$1.png"
}
# Clicks at a point of the screen; the main window sits at its top-left corner (no window manager).
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.5; }
# The centre of line n (from 0) of the file list and of the playlist.
file_line() { echo 260 $((14 + 13 * $1)); }

click $(file_line 0)
xdotool keydown shift; click $(file_line 2); xdotool keyup shift
xdotool keydown ctrl; click $(file_line 4); click $(file_line 6); click $(file_line 8); xdotool keyup ctrl
click 40 262          # add the selected files
click 200 282         # select the third entry of the playlist: its path shows in the hint line
shoot main-window
click 32 394          # settings button
shoot settings-window
click 602 441         # its OK button (the window is centred on the screen)
click 484 428         # about button
shoot about-window
