#!/usr/bin/env bash
# Installs the Debian packages that building (run), testing (test),
# benchmarking (bench), the screen reader check (screenreader), the bench
# under a screen reader (bench-screenreader), the Wayland check (wayland),
# the README's picture (screenshot) or the Windows build and its check
# (windows) needs, and only those that are missing. One list for every
# set-up command.
set -euo pipefail

purpose=${1:-run}
# libqt6svg6 ships the SVG image-format plugin (libqsvg.so) the art is drawn with.
packages=(g++ cmake ninja-build pkgconf qt6-base-dev qt6-svg-dev libqt6svg6 libgl-dev fonts-urw-base35)
if [[ $purpose == test ]]; then
    # The desktop entry's and metainfo's checkers; cpack's .deb (dpkg-shlibdeps,
    # file) as README.md builds it; clang-tidy for the static checks.
    packages+=(desktop-file-utils appstream dpkg-dev file clang-tidy)
fi
if [[ $purpose == bench || $purpose == bench-screenreader ]]; then
    # bench/run.sh: Google Benchmark, a private X server driven by xdotool,
    # xcb for the map timer, a session bus as on a desktop.
    packages+=(libbenchmark-dev xvfb xdotool libxcb1-dev dbus-daemon)
fi
if [[ $purpose == screenreader || $purpose == bench-screenreader ]]; then
    # tests/system/screenreader.sh: Orca with a speech engine, the
    # accessibility bus, a private X server driven by xdotool.
    packages+=(orca speech-dispatcher-espeak-ng at-spi2-core dbus-daemon dbus-bin xvfb xdotool)
fi
if [[ $purpose == bench-screenreader ]]; then
    # bench/screenreader.sh counts the accessibility events with pyatspi.
    packages+=(python3-pyatspi)
fi
if [[ $purpose == wayland ]]; then
    # tests/system/wayland.sh: Weston on its X11 backend inside a private X
    # server driven by xdotool, Qt's Wayland platform and XWayland, screenshots.
    packages+=(weston qt6-wayland xwayland xvfb xdotool imagemagick x11-utils)
fi
if [[ $purpose == screenshot ]]; then
    # scripts/screenshot.sh: a private X server driven by xdotool, ImageMagick's import.
    packages+=(xvfb xdotool imagemagick)
fi
if [[ $purpose == windows ]]; then
    # packaging/windows/build.sh: MinGW-w64 with posix threads, which Qt
    # needs; dpkg-source to unpack Debian's Qt source; the script face the
    # game brings and its licence; NSIS for the installer, zip for the .zip; Wine in a private
    # X server for the tests, in German (locales), and Liberation Sans to
    # stand in for Arial there. tests/system/windows.sh: xdotool, screenshots
    # and tesseract to read them.
    packages+=(g++-mingw-w64-x86-64-posix dpkg-dev fonts-texgyre nsis zip wine wine64 xvfb locales fonts-liberation
        xdotool imagemagick tesseract-ocr)
fi

missing=()
if command -v dpkg-query >/dev/null 2>&1; then
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
else
    echo "This is not a Debian-like system: install these packages (or your system's equivalents) yourself:" >&2
    echo "  ${packages[*]}" >&2
    exit 1
fi
[[ ${#missing[@]} -eq 0 ]] && exit 0

if ! command -v apt-get >/dev/null 2>&1; then
    echo "apt-get not found: install these packages yourself: ${missing[*]}" >&2
    exit 1
fi
sudo=()
if [[ $(id -u) -ne 0 ]]; then
    command -v sudo >/dev/null 2>&1 || { echo "Run as root or install sudo; missing: ${missing[*]}" >&2; exit 1; }
    sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq "${missing[@]}"
