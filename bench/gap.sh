#!/usr/bin/env bash
# The silence at the join of two tracks played as a queue: a 441 Hz tone cut in two at a sample that is no
# zero crossing, as two WAV files and as two FLAC files, played by ZEB, by mpv and by Audacious (where
# installed) into the null sink of a pulseaudio of its own, whose monitor parec records. For each program
# and format it prints the longest run of silent frames between the first and the last sound of the tone,
# the median and the range of a few runs; 0 means none longer than the tone's own zero crossings.
# Usage: bench/gap.sh [PATH_TO_ZEB] [RUNS]   (build/bench/zeb and 3 by default; libzeb_mpv.so beside it)
set -euo pipefail
cd "$(dirname "$0")/.."
zeb=$(realpath "${1:-build/bench/zeb}")
runs=${2:-3}
[ -x "$zeb" ] && [ -f "$(dirname "$zeb")/libzeb_mpv.so" ] || { echo "no zeb beside its module" >&2; exit 1; }
work=$(mktemp -d)
daemons=()
player=
trap 'set +e; [ -z "$player" ] || kill -- -"$player"; kill "${daemons[@]}"; wait; rm -rf "$work"' EXIT

python3 -B bench/gap.py tone "$work"
for name in a b; do ffmpeg -loglevel error -i "$work/$name.wav" "$work/$name.flac"; done

# A sound server of its own, without the system's configuration (-n): one null sink in the tone's format,
# so that nothing resamples it, and a socket for the players. Without shared memory: with it, pulseaudio
# 16 aborts now and then ("non-registered memfd ID", its issue 824). Started before the display and the
# session bus are set, so that it uses neither.
mkdir "$work/pulse"
HOME=$work PULSE_RUNTIME_PATH=$work/pulse pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
    --disable-shm=yes -L "module-null-sink sink_name=gap format=s16le rate=44100 channels=2" \
    -L "module-native-protocol-unix socket=$work/pulse/native auth-anonymous=1" 2>"$work/pulse.log" &
daemons+=($!)
export PULSE_SERVER=unix:$work/pulse/native
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info >/dev/null || { cat "$work/pulse.log" >&2; exit 1; }

# ZEB's display.
source tests/support/xvfb.sh
start_xvfb
daemons+=("$XVFB_PID")

# One run: records the sink while the program plays a and b in the format, then prints the silence. Each
# program has a new home folder and session bus, and ZEB a folder of its own for itself and its settings;
# in a session of its own, so that it goes with all it started once both halves are recorded.
measure() {
    local folder=$work/run recorder command
    rm -rf "$folder"
    mkdir -p "$folder/home" "$folder/runtime"
    chmod 700 "$folder/runtime"
    # At a low latency, which the null sink then keeps as a sound card would: at the 2 s it takes when no
    # one asks for less, a program that drains the output between files waits that long.
    parec --latency-msec=10 --raw --format=s16le --rate=44100 --channels=2 -d gap.monitor \
        >"$folder/recording" &
    recorder=$!
    # Connected once the sink's silence comes.
    for _ in $(seq 100); do [ -s "$folder/recording" ] && break; sleep 0.05; done
    case $1 in
        zeb) cp "$zeb" "$(dirname "$zeb")/libzeb_mpv.so" "$folder/"
             command=("$folder/zeb") ;;
        mpv) command=(mpv --no-config --no-video) ;;  # gapless as by default (weak: same format, one output)
        audacious) command=(audacious --headless) ;;  # --quit-after-play would cut its last half second
    esac
    HOME=$folder/home XDG_CONFIG_HOME=$folder/home/.config XDG_RUNTIME_DIR=$folder/runtime \
        setsid dbus-run-session -- "${command[@]}" "$work/a.$2" "$work/b.$2" >"$folder/log" 2>&1 &
    player=$!
    python3 -B bench/gap.py wait "$folder/recording"
    kill -- -"$player" 2>/dev/null || true
    wait "$player" 2>/dev/null || true
    player=
    kill "$recorder"
    wait "$recorder" 2>/dev/null || true
    python3 -B bench/gap.py silence "$folder/recording" || { tail -n 20 "$folder/log" >&2; echo nan nan; }
}

# Of column $1 of the runs: "median (lowest to highest)".
median_range() {
    cut -d ' ' -f "$1" | sort -g |
        awk '{ v[NR] = $1 } END { printf "%s (%s to %s)", v[int((NR + 1) / 2)], v[1], v[NR] }'
}

programs=(zeb mpv)
if command -v audacious >/dev/null; then programs+=(audacious); else missing="audacious: not installed"; fi
echo "$(date -u '+%Y-%m-%d %H:%M UTC'), $0 $*; median (range) of $runs runs"
echo
echo "| program | format | silence at the join (ms) | first to last sound (s), 6 when whole |"
echo "|---|---|---|---|"
for program in "${programs[@]}"; do
    for format in wav flac; do
        for _ in $(seq "$runs"); do measure "$program" "$format"; done >"$work/$program.$format"
        echo "| $program | $format | $(median_range 1 <"$work/$program.$format") |" \
             "$(median_range 2 <"$work/$program.$format") |"
    done
done
[ -z "${missing:-}" ] || echo "$missing"
