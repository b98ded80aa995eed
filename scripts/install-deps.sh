#!/usr/bin/env bash
# Installs the Debian packages that building, running or testing ZEB needs and that are missing.
# Usage: scripts/install-deps.sh run|test|bench|package|peers
set -euo pipefail

build_packages=(g++ cmake ninja-build pkgconf qt6-base-dev qt6-svg-dev qt6-qpa-plugins
                qt6-translations-l10n fonts-dejavu-core libmpv-dev libqt6opengl6-dev)
# Running: Qt's Wayland plugin, so that ZEB runs natively on Wayland desktops.
run_packages=(qt6-wayland)
# The Debian package: dpkg-shlibdeps and file, which cpack uses to compute its dependencies.
package_packages=(dpkg-dev file)
# Tests: GoogleTest; the end-to-end test's display, accessibility bus, pointer and sample media; the
# fuzzers' clang and its runtime; the file system that misbehaves on demand (tests/support/testfs.py).
test_packages=(libgtest-dev xvfb xdotool ffmpeg dbus at-spi2-core python3-pyatspi clang libclang-rt-14-dev
               fuse3 python3-fusepy)
# Tests of the package and the desktop files: their validators, the MIME database and Lintian; a headless
# Wayland compositor to run ZEB under.
test_packages+=(desktop-file-utils appstream shared-mime-info lintian "${package_packages[@]}" weston
                "${run_packages[@]}")
# The media-controls tests: gdbus, and a media controller of the desktop's own; the pointer's shape,
# read off the X server.
test_packages+=(libglib2.0-bin playerctl libxfixes3)
# Benchmarks: Google Benchmark; the slow-mount benchmark's display, pointer and file system.
bench_packages=(libbenchmark-dev xvfb xdotool fuse3 python3-fusepy)
# bench/peers and bench/playing: a session bus for each program they start, and a clip made with ffmpeg;
# bench/first_play.py: the end-to-end tests' accessibility bus.
bench_packages+=(dbus ffmpeg at-spi2-core python3-pyatspi)
# bench/gap.sh: a sound server of its own and its recorder, and mpv beside ZEB (Audacious where installed).
bench_packages+=(pulseaudio pulseaudio-utils mpv)
# bench/peers --install: the common desktop players it puts ZEB beside.
peer_packages=(mpv vlc smplayer celluloid audacious qmmp strawberry totem)

case "${1:-}" in
    run) wanted=("${build_packages[@]}" "${run_packages[@]}") ;;
    test) wanted=("${build_packages[@]}" "${test_packages[@]}") ;;
    bench) wanted=("${build_packages[@]}" "${bench_packages[@]}") ;;
    package) wanted=("${build_packages[@]}" "${package_packages[@]}") ;;
    peers) wanted=("${peer_packages[@]}") ;;
    *) echo "usage: $0 run|test|bench|package|peers" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
# As root apt-get itself; otherwise through sudo, which must not stop to ask for a password. Without
# either, say what to run.
as_root=()
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null || ! sudo -n true 2>/dev/null; then
        echo "Cannot install as $(id -un): as root, run" >&2
        echo "  apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
        exit 1
    fi
    as_root=(sudo -n)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
