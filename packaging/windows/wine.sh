#!/usr/bin/env bash
# Runs a program of the Windows build under Wine: CTest's emulator for the
# cross-built tests.   wine.sh QT_BIN PROGRAM.exe [ARGUMENTS...]
# With Qt's DLLs (QT_BIN) and the compiler's runtime on its path; inside
# session.sh, which gives the display and the prepared Wine prefix. Wine passes
# no QT_ variable on: the programs are on Qt's Windows platform whatever the
# shell says.
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
export WINEPATH
exec wine "$@"
