#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer) and runs
# each for a bounded time from the seed corpus here. Fails on any crash or sanitizer report.
# Usage: tests/fuzz/run.sh [seconds per target, default 30]
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-30}
# One translation unit per target, as the test stages build, keeps the build short.
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZEB_FUZZ=ON -DCMAKE_UNITY_BUILD=ON >/dev/null
cmake --build build/fuzz --target listfile_fuzz settings_fuzz
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in listfile settings; do
    mkdir "$work/$target"
    cp tests/fuzz/corpus/$target/* "$work/$target"
    echo "== fuzzing the $target reader for $seconds s"
    if ! UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 "build/fuzz/${target}_fuzz" -max_total_time="$seconds" \
            -artifact_prefix="build/fuzz/$target-" "$work/$target" >"$work/$target.log" 2>&1; then
        tail -n 40 "$work/$target.log"
        echo "the $target reader failed; the input that did it is build/fuzz/$target-*"
        exit 1
    fi
    grep -E '^(#[0-9]+ *DONE|Done)' "$work/$target.log" | tail -n 1
done
