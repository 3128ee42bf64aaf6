#!/usr/bin/env bash
# Runs a command beside a private X server and a ready Wine prefix, as the
# Windows build's tests need:   packaging/windows/session.sh ctest --preset windows
# The prefix (WINEPREFIX, else build/windows/wine) is made on first use; the
# X server and Wine's server end with the command.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$root/build/windows/wine} WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
run=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; kill $(jobs -p) 2>/dev/null || true; rm -rf "$run"' EXIT
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$run/display" 2>/dev/null &
for _ in {1..100}; do [[ -s $run/display ]] && break; sleep 0.1; done
export DISPLAY=:$(<"$run/display")
mkdir -p "$WINEPREFIX"
wineserver -p # stays up between the programs, so each starts in a second
wineboot --init >/dev/null 2>&1 # makes the prefix the first time
# Without a console QtTest writes to the debugger, not to the pipe CTest
# reads; Wine passes no QT_ variable from here, so it is set in Windows.
wine reg add 'HKCU\Environment' /v QT_FORCE_STDERR_LOGGING /d 1 /f >/dev/null 2>&1
# Windows the X server manages alone: with no window manager to answer, Wine
# would wait two seconds for each window it hides.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
"$@"
