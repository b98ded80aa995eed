#!/usr/bin/env bash
# Makes the Debian package of the build, unpacks it into a scratch root and checks its files, its
# control fields and Lintian's verdict; then starts the unpacked zeb as a user without settings and checks
# that it starts from the package's default settings.
# Usage: check_package.sh BUILD_FOLDER
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
zeb=
trap '[ -z "$zeb" ] || kill "$zeb" 2>/dev/null; rm -rf "$work"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >/dev/null
deb=$(echo "$work"/out/zeb_*_*.deb)

dpkg-deb -x "$deb" "$work/root"
(cd "$work/root" && find . ! -type d | sort) >"$work/files"
diff -u - "$work/files" <<'LIST'
./etc/xdg/zeb/ZEBcfg.dat
./usr/bin/zeb
./usr/lib/zeb/libzeb_mpv.so
./usr/share/applications/zeb.desktop
./usr/share/doc/zeb/changelog.gz
./usr/share/doc/zeb/copyright
./usr/share/icons/hicolor/128x128/apps/zeb.png
./usr/share/icons/hicolor/256x256/apps/zeb.png
./usr/share/icons/hicolor/48x48/apps/zeb.png
./usr/share/icons/hicolor/scalable/apps/zeb.svg
./usr/share/man/man1/zeb.1.gz
./usr/share/metainfo/org.example.zeb.metainfo.xml
./usr/share/mime/packages/zeb-list.xml
LIST

# The dependencies come from the libraries the program and its module link.
depends=$(dpkg-deb -f "$deb" Depends)
for package in libc6 libqt6widgets6 libqt6svg6 libmpv2 qt6-qpa-plugins; do
    [[ ", $depends" == *", $package"* ]] || { echo "not a dependency: $package ($depends)"; exit 1; }
done
[[ $(dpkg-deb -f "$deb" Recommends) == *qt6-wayland* ]] || { echo "qt6-wayland is not recommended"; exit 1; }
dpkg-deb -e "$deb" "$work/control"
grep -qx /etc/xdg/zeb/ZEBcfg.dat "$work/control/conffiles"
lintian --fail-on error "$deb"

# A user without settings: the installed zeb copies the package's defaults into the user's folder.
mkdir "$work/config"
XDG_CONFIG_HOME=$work/config XDG_CONFIG_DIRS=$work/root/etc/xdg QT_QPA_PLATFORM=offscreen "$work/root/usr/bin/zeb" &
zeb=$!
for _ in $(seq 100); do [ -s "$work/config/zeb/ZEBcfg.dat" ] && break; sleep 0.1; done
cmp "$work/root/etc/xdg/zeb/ZEBcfg.dat" "$work/config/zeb/ZEBcfg.dat"
echo "package: files, dependencies, conffiles and Lintian are right; a new user starts from its settings"
