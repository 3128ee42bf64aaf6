#!/usr/bin/env bash
# Makes the Windows release on Debian 12: installs what is missing, builds Qt
# for Windows from Debian's source once (qt.sh, cached outside the clone),
# cross-builds the game and its tests, runs the tests under Wine, and packs
# build/windows/package/facereel-VERSION-windows-x64.exe (the installer) and
# .zip (the same files, portable).
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/install-deps.sh windows
qt=$(packaging/windows/qt.sh)
# The art and icon tools run here at build time: built for this machine.
cmake --preset release >/dev/null
cmake --build --preset release --target facereel_art_tool facereel_icons
# The tests run under Wine, with this Qt's DLLs.
cmake --preset windows -DCMAKE_PREFIX_PATH="$qt" -DCMAKE_CROSSCOMPILING_EMULATOR="$PWD/packaging/windows/wine.sh;$qt/bin" \
    >/dev/null
cmake --build --preset windows
packaging/windows/session.sh ctest --preset windows
cpack --config build/windows/CPackConfig.cmake -B build/windows/package
