#!/usr/bin/env bash
# ZEB's resident memory on an Xvfb display of its own, from a new home folder: settled after start-up with
# the pointer away from the window (no sign of a play), then once the pointer has rested on play-all and
# the player module has been loaded ahead. Median of a few starts.
# Usage: bench/preload_rss.sh [PATH_TO_ZEB] [STARTS]   (build/bench/zeb and 5 by default)
set -euo pipefail
cd "$(dirname "$0")/.."
zeb=$(realpath "${1:-build/bench/zeb}")
starts=${2:-5}
source tests/support/xvfb.sh
start_xvfb
work=$(mktemp -d)
trap 'kill $XVFB_PID; rm -rf "$work"' EXIT

resident_mib() { awk '/^VmRSS:/ { printf "%.1f", $2 / 1024 }' "/proc/$1/status"; }
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

for start in $(seq "$starts"); do
    home=$work/home$start
    mkdir -p "$home"
    xdotool mousemove --sync 1000 740
    HOME=$home XDG_CONFIG_HOME=$home/.config "$zeb" >/dev/null 2>&1 &
    pid=$!
    window=$(xdotool search --sync --onlyvisible --name '^ZEB$' | head -n 1)
    sleep 2
    grep -q libzeb_mpv.so "/proc/$pid/maps" && { echo "the player module was loaded at start-up" >&2; exit 1; }
    echo "$(resident_mib $pid)" >>"$work/idle"
    # Play-all, at 120,4940 twips (8,329 pixels) and 97 by 25 pixels in the window.
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove --sync $((X + 56)) $((Y + 341))
    for _ in $(seq 100); do grep -q libzeb_mpv.so "/proc/$pid/maps" && break; sleep 0.05; done
    grep -q libzeb_mpv.so "/proc/$pid/maps" || { echo "the pointer on play-all loaded nothing" >&2; exit 1; }
    sleep 1
    echo "$(resident_mib $pid)" >>"$work/preloaded"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
done
idle=$(median <"$work/idle")
preloaded=$(median <"$work/preloaded")
printf '%-60s %10s MiB (target at most 40 MiB: %s)\n' "Resident memory after start-up, no sign of a play" "$idle" \
    "$(awk -v v="$idle" 'BEGIN { print (v <= 40 ? "met" : "MISSED") }')"
printf '%-60s %10s MiB\n' "The same once the pointer rested on play-all (module loaded)" "$preloaded"
