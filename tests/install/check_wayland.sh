#!/usr/bin/env bash
# Starts zeb as a native Wayland client of a headless Weston, with a video file to play, and checks that
# its main window is mapped (a toplevel titled "ZEB" whose surface, once configured, gets a buffer), that
# the file plays, as its media controls on a session bus of the test's own tell, and that the viewer window
# shows its picture on what Weston composes.
# Usage: check_wayland.sh PATH_TO_ZEB
set -euo pipefail
[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || exec dbus-run-session -- "$0" "$@"
work=$(mktemp -d)
chmod 700 "$work"
compositor=
zeb=
trap 'kill $zeb $compositor 2>/dev/null; wait; rm -rf "$work"' EXIT
# A copy in a folder of its own, so that its settings file is written there.
mkdir "$work/program"
cp "$1" "$(dirname "$1")/libzeb_mpv.so" "$work/program/"
export XDG_RUNTIME_DIR=$work WAYLAND_DISPLAY=zeb-test
unset DISPLAY

# The GL renderer, as a desktop has it (drawn by Mesa in software here); --debug lets weston-screenshooter
# take what it composes.
weston --backend=headless-backend.so --use-gl --width=1024 --height=768 --socket=$WAYLAND_DISPLAY \
    --shell=desktop-shell.so --idle-time=0 --debug --log="$work/weston.log" &
compositor=$!
for _ in $(seq 100); do [ -S "$work/$WAYLAND_DISPLAY" ] && break; sleep 0.1; done

# A magenta picture, a colour nothing else on the screen has, with sound.
ffmpeg -loglevel error -f lavfi -i color=c=magenta:size=320x240:rate=25:duration=30 -f lavfi \
    -i sine=duration=30 -c:v mpeg4 -shortest "$work/program/magenta.mkv"
QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client "$work/program/zeb" "$work/program/magenta.mkv" 2>"$work/protocol.log" &
zeb=$!
mapped() {
    grep -q 'xdg_toplevel@[0-9]*\.set_title("ZEB")' "$work/protocol.log" &&
        grep -q 'xdg_surface@[0-9]*\.ack_configure' "$work/protocol.log" &&
        grep -q 'wl_surface@[0-9]*\.attach(wl_buffer@' "$work/protocol.log"
}
for _ in $(seq 200); do mapped && break; sleep 0.1; done
mapped || { echo "no ZEB window was mapped"; tail -n 20 "$work/protocol.log"; exit 1; }
status() {
    gdbus call --session --dest org.mpris.MediaPlayer2.zeb --object-path /org/mpris/MediaPlayer2 \
        --method org.freedesktop.DBus.Properties.Get org.mpris.MediaPlayer2.Player PlaybackStatus 2>/dev/null
}
for _ in $(seq 200); do [[ "$(status)" == *Playing* ]] && break; sleep 0.1; done
[[ "$(status)" == *Playing* ]] || { echo "the file does not play: $(status || echo no answer)"; exit 1; }
kill -0 "$zeb" || { echo "zeb ended"; exit 1; }
# The picture fills most of the viewer's 352x377 picture area: far more than 20000 magenta pixels.
magenta_pixels() {
    rm -f "$work"/wayland-screenshot-*.png
    (cd "$work" && weston-screenshooter >/dev/null) || { echo 0; return; }
    ffmpeg -loglevel error -i "$work"/wayland-screenshot-*.png -f rawvideo -pix_fmt rgb24 - | python3 -c '
import sys
d = sys.stdin.buffer.read()
print(sum(1 for r, g, b in zip(d[0::3], d[1::3], d[2::3]) if r > 200 and g < 60 and b > 200))'
}
for _ in $(seq 20); do
    pixels=$(magenta_pixels)
    ((pixels > 20000)) && break
    sleep 0.2
done
((pixels > 20000)) || { echo "the viewer shows no picture: $pixels magenta pixels"; exit 1; }
echo "zeb runs on Wayland: its main window is mapped by the compositor, and it plays and shows a video"
