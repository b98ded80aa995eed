#!/usr/bin/env bash
# Starts zeb as a native Wayland client of a headless Weston, with a sound file to play, and checks that
# its main window is mapped (a toplevel titled "ZEB" whose surface, once configured, gets a buffer) and
# that the file plays, as its media controls on a session bus of the test's own tell.
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

weston --backend=headless-backend.so --socket=$WAYLAND_DISPLAY --shell=desktop-shell.so --idle-time=0 \
    --log="$work/weston.log" &
compositor=$!
for _ in $(seq 100); do [ -S "$work/$WAYLAND_DISPLAY" ] && break; sleep 0.1; done

ffmpeg -loglevel error -f lavfi -i sine=duration=30 -ar 8000 "$work/program/sine.wav"
QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client "$work/program/zeb" "$work/program/sine.wav" 2>"$work/protocol.log" &
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
echo "zeb runs on Wayland: its main window is mapped by the compositor, and it plays"
