#!/usr/bin/env bash
# Makes the Windows release on Debian 12: installs what is missing, builds Qt
# for Windows from Debian's source once (qt.sh, cached outside the clone),
# cross-builds the game and its tests, runs the tests under Wine, and packs
# build/windows/package/facereel-VERSION-windows-x64.exe (the installer) and
# .zip (the same files, portable), printing their SHA-256 and the program's.
# The same commit gives the same bytes from any clone.
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/install-deps.sh windows
qt=$(packaging/windows/qt.sh)
# The time the packages store: the caller's, else the last commit's.
epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null ||
    dpkg-parsechangelog -l packaging/changelog -STimestamp)}
# Qt's resource compiler stores a time for every file: one fixed time (the
# epoch would win over it), so that the program is the same bytes whatever
# its files' times, and an incremental build keeps no other commit's time.
export QT_RCC_SOURCE_DATE_OVERRIDE=1
unset SOURCE_DATE_EPOCH
# The art and icon tools run here at build time: built for this machine.
cmake --preset release >/dev/null
cmake --build --preset release --target facereel_art_tool facereel_icons
# A build made against another Qt for Windows (the host's Qt changed) starts
# afresh: its cache would keep finding the old one.
[[ $(cat build/windows/qt-prefix 2>/dev/null) == "$qt" ]] || rm -rf build/windows
# The tests run under Wine, with this Qt's DLLs.
cmake --preset windows -DCMAKE_PREFIX_PATH="$qt" -DCMAKE_CROSSCOMPILING_EMULATOR="$PWD/packaging/windows/wine.sh;$qt/bin" \
    >/dev/null
echo "$qt" >build/windows/qt-prefix
cmake --build --preset windows
packaging/windows/session.sh ctest --preset windows
SOURCE_DATE_EPOCH=$epoch cmake -P build/windows/package.cmake
