#!/usr/bin/env bash
# Installs what is missing, builds ZEB and every test with warnings as errors, and runs the tests.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh test
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZEB_WARNINGS_AS_ERRORS=ON -DZEB_TESTS=ON
cmake --build build/test
ctest --test-dir build/test --output-on-failure --timeout 120
