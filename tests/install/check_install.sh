#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks that the program, its module, its desktop entry and
# its icon land where a desktop looks for them.
# Usage: check_install.sh BUILD_FOLDER
set -euo pipefail
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$1" --prefix "$prefix" >/dev/null
for file in bin/zeb lib/zeb/libzeb_mpv.so share/applications/zeb.desktop share/icons/hicolor/scalable/apps/zeb.svg; do
    [ -f "$prefix/$file" ] || { echo "missing after install: $file"; exit 1; }
done
grep -q '^Exec=zeb$' "$prefix/share/applications/zeb.desktop"
grep -q '^Categories=AudioVideo;Audio;Video;Player;$' "$prefix/share/applications/zeb.desktop"
if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$prefix/share/applications/zeb.desktop"; fi
echo "installed: bin/zeb, lib/zeb/libzeb_mpv.so, the desktop entry and the icon"
