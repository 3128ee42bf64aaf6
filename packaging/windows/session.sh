#!/usr/bin/env bash
# Runs a command beside a private X server and a ready Wine prefix, as the
# Windows build's tests need:   packaging/windows/session.sh ctest --preset windows
# The prefix (WINEPREFIX, else build/windows/wine) is made on first use; the
# X server and Wine's server end with the command.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX=${WINEPREFIX:-$here/../../build/windows/wine}
run=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; kill $(jobs -p) 2>/dev/null || true; rm -rf "$run"' EXIT
# The set-up's commands are quiet: one that fails says which it was.
trap 'echo "session.sh: $BASH_COMMAND: status $?" >&2' ERR
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$run/display" 2>/dev/null &
for _ in {1..300}; do [[ -s $run/display ]] && break; sleep 0.1; done
[[ -s $run/display ]] || { echo "session.sh: Xvfb gave no display in 30 s" >&2; exit 1; }
export DISPLAY=:$(<"$run/display")
mkdir -p "$WINEPREFIX"
wineserver -p # stays up between the programs, so each starts in a second
source "$here/prefix.sh"
"$@"
