#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks that the program, its module, its desktop entry, its
# icons, the type of its list files, its description, its manual page and its default settings land where
# a desktop looks for them.
# Usage: check_install.sh BUILD_FOLDER
set -euo pipefail
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$1" --prefix "$prefix" >/dev/null
for file in bin/zeb lib/zeb/libzeb_mpv.so share/applications/zeb.desktop share/icons/hicolor/scalable/apps/zeb.svg \
    share/icons/hicolor/{48x48,128x128,256x256}/apps/zeb.png share/mime/packages/zeb-list.xml \
    share/metainfo/org.example.zeb.metainfo.xml share/man/man1/zeb.1.gz etc/xdg/zeb/ZEBcfg.dat; do
    [ -f "$prefix/$file" ] || { echo "missing after install: $file"; exit 1; }
done
grep -q '^Exec=zeb %F$' "$prefix/share/applications/zeb.desktop"
grep -q '^Categories=AudioVideo;Audio;Video;Player;$' "$prefix/share/applications/zeb.desktop"
echo "installed: the program, its module, the desktop files, the manual page and the default settings"
