#!/usr/bin/env bash
# Installs what is missing, then runs every stage of the tests and exits non-zero on any failure:
#  1. unit, widget, real-playback, installation and end-to-end tests, built with warnings as errors;
#  2. the same tests built with AddressSanitizer and UndefinedBehaviorSanitizer;
#  3. the list-file and settings-file readers fuzzed with libFuzzer, 20 seconds each.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh test
# Each stage's time is printed as it ends, to tell where the run's time goes.
started=$SECONDS
stage() {
    [ -z "${stage_started:-}" ] || echo "== that took $((SECONDS - stage_started)) s (the run so far: $((SECONDS - started)) s)"
    stage_started=$SECONDS
    [ $# -eq 0 ] || echo "== $*"
}

# ctest names the tests it skipped but shows nothing of what they said: their reasons, from its log.
skipped() {
    awk '/^[0-9]+\/[0-9]+ Testing: / { test = $3 }
         reason { print "   skipped " test ": " $0; reason = 0 }
         /: Skipped$/ { reason = 1 }
         /^SKIPPED: / { print "   skipped " test ": " substr($0, 10) }' "$1/Testing/Temporary/LastTest.log"
}

stage "1. tests"
# One translation unit per target, as in stage 2, keeps the whole run near its time budget; ./run.sh and
# the benchmarks still build every file on its own.
# The soak test plays two fixed seeds and a fresh one, 20 s each.
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="-Wno-subobject-linkage" \
    -DCMAKE_UNITY_BUILD=ON -DZEB_WARNINGS_AS_ERRORS=ON -DZEB_TESTS=ON -DZEB_SOAK_SECONDS=60 -DZEB_SOAK_SEEDS="1;2"
cmake --build build/test
ctest --test-dir build/test --output-on-failure --timeout 180 -j 2
skipped build/test

stage "2. tests under AddressSanitizer and UndefinedBehaviorSanitizer"
# One translation unit per target and line tables only: the second build of everything stays short.
# (Test fixtures in anonymous namespaces are fine when their files are compiled together.) The soak test
# plays a fixed seed of its own and a fresh one, 15 s each.
cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE= -DCMAKE_CXX_FLAGS="-g1 -Wno-subobject-linkage" -DCMAKE_UNITY_BUILD=ON \
    -DZEB_WARNINGS_AS_ERRORS=ON -DZEB_TESTS=ON -DZEB_SANITIZE=ON -DZEB_SOAK_SECONDS=30 -DZEB_SOAK_SEEDS=4
cmake --build build/sanitize
# The end-to-end run draws no picture here: the system's OpenGL driver keeps memory to the end of the
# process, in a library already unloaded when the leak checker looks, so none of it could be told apart.
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 QT_XCB_GL_INTEGRATION=none \
    LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0" \
    ctest --test-dir build/sanitize --output-on-failure --timeout 300 -j 2 -E '^(installation|package)$'
skipped build/sanitize

stage "3. fuzzing"
tests/fuzz/run.sh 20
stage
