#!/usr/bin/env bash
# Runs a program of the Windows build under Wine: CTest's emulator for the
# cross-built tests.   wine.sh QT_BIN PROGRAM.exe [ARGUMENTS...]
# With Qt's DLLs (QT_BIN) and the compiler's runtime on its path, in the
# build's own Wine prefix (WINEPREFIX, else build/windows/wine), on the display
# it is given (session.sh gives one). Wine passes no QT_ variable on: the
# programs are on Qt's Windows platform whatever the shell says.
set -euo pipefail
qt=$1
shift
windows() { # a Unix folder as Wine sees it
    local folder
    folder=$(dirname "$1")
    printf 'Z:%s' "${folder//\//\\}"
}
compiler=x86_64-w64-mingw32-g++-posix
WINEPATH="$(windows "$qt/.");$(windows "$($compiler -print-file-name=libstdc++-6.dll)")"
WINEPATH+=";$(windows "$($compiler -print-file-name=libwinpthread-1.dll)")"
export WINEPATH WINEPREFIX=${WINEPREFIX:-$(cd "$(dirname "$0")/../.." && pwd)/build/windows/wine}
export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
exec wine "$@"
