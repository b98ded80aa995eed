#!/usr/bin/env bash
# Installs what is missing, builds ZEB and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh run
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build/release --target zeb
exec build/release/zeb
