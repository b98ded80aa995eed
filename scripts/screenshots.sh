#!/usr/bin/env bash
# Starts ZEB under its own Xvfb in a folder of sample media files and saves pictures of its windows in
# docs/. Needs xvfb, xdotool, imagemagick, ffmpeg and python3.
# Usage: scripts/screenshots.sh [path to the zeb binary]   (default: build/release/zeb)
set -euo pipefail
cd "$(dirname "$0")/.."
binary=$(readlink -f "${1:-build/release/zeb}")
out=$(pwd)/docs
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT

# The program's folder: ZEB, its settings (five formats) and some media files and folders to browse.
cp "$binary" "$(dirname "$binary")/libzeb_mpv.so" "$work/"
python3 - "$work/ZEBcfg.dat" <<'PY'
import sys
sys.path.insert(0, 'tests/support')
from zebsettings import settings_file
formats = ['mp3', 'wav', 'ogg', 'avi', 'mkv', 'mp4']
open(sys.argv[1], 'wb').write(settings_file([(f, True) for f in formats], viewer=(1500, 1500)))
PY
mkdir -p "$work/Concerti" "$work/Film" "$work/Podcast"
for name in "Aria sulla quarta corda.mp3" "Bolero.ogg" "Canone in re.mp3" "Clair de lune.wav" \
            "Danza ungherese n. 5.mp3" "Il volo del calabrone.MP3" "La primavera.mp3" "Notturno.wav" \
            "Sinfonia dal nuovo mondo.mp3" "Vacanze al mare.avi" "Viaggio in treno.mkv" "note.txt"; do
    : > "$work/$name"
done
ffmpeg -loglevel error -f lavfi -i testsrc=duration=30:size=320x240:rate=25 -pix_fmt yuv420p "$work/Prova video.mp4"

source tests/support/xvfb.sh
start_xvfb
(cd "$work" && exec ./zeb) >/dev/null 2>&1 &
pid=$!
sleep 2

# Saves a visible window of ZEB as docs/<name>.png: the one whose caption matches, else the topmost.
shoot() {
    local window
    window=$(xdotool search --onlyvisible --pid "$pid" ${2:+--name "$2"} | tail -n 1)
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
xdotool keydown ctrl; click $(file_line 9); xdotool keyup ctrl
click 40 262          # add the video
click 200 282         # select the third entry of the playlist: its path shows in the hint line
shoot main-window
click 32 366          # save the list: the chooser opens over the browser and the playlist
shoot chooser
click 375 382         # its cancel button
xdotool mousemove 200 320 click --repeat 2 --delay 80 1; sleep 2   # play the video, the sixth entry
shoot viewer '\[ZEB\]'
viewer=$(xdotool search --onlyvisible --pid "$pid" --name '\[ZEB\]' | tail -n 1)
xdotool windowfocus --sync "$viewer" key f; sleep 1   # full screen, and back
shoot viewer-fullscreen '\[ZEB\]'
xdotool key f; sleep 1
click 124 557         # "Scala" (the viewer stands at 100, 100)
sleep 0.5
shoot viewer-stretched '\[ZEB\]'
xdotool mousemove 180 180 click 3; sleep 0.5   # the context menu over the picture
import -window root -crop 480x500+100+100 "$out/viewer-menu.png"
xdotool key Escape; sleep 0.3
click 432 559         # "Esci"
click 32 394          # settings button
shoot settings-window
click 602 441         # its OK button (the window is centred on the screen)
click 484 428         # about button
shoot about-window
