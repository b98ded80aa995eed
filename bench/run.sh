#!/usr/bin/env bash
# Builds the benchmarks with optimisation and runs them; each ends with its figures and targets.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh bench
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DZEB_BENCHMARKS=ON
cmake --build build/bench --target playlist_bench browser_bench playback_bench slowfolder_bench zeb zeb_mpv
for benchmark in playlist_bench browser_bench playback_bench; do
    echo "== $benchmark"
    "build/bench/$benchmark"
done
echo "== first_play"
tests/e2e/run.sh build/bench/zeb bench/first_play.py
echo "== preload_rss"
bench/preload_rss.sh build/bench/zeb
echo "== slowmount"
bench/slowmount.sh build/bench/zeb
