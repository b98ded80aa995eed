#!/usr/bin/env bash
# ZEB beside a file system that answers slowly (tests/support/testfs.py): the time to the first window
# with and without a mount whose statfs takes 8 s, and the event loop while the browser opens a folder
# whose listing takes 6 s. Runs in a mount namespace of its own, so that no other program on this machine
# meets the slow mounts. Needs root (to mount), and zeb, libzeb_mpv.so and slowfolder_bench built.
# Usage: bench/slowmount.sh [PATH_TO_ZEB]   (build/bench/zeb by default; slowfolder_bench is beside it)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh bench
zeb=$(realpath "${1:-build/bench/zeb}")
exec unshare --mount --propagation private \
    /usr/bin/python3 -B bench/slowmount.py "$zeb" "$(dirname "$zeb")/slowfolder_bench"
