#!/usr/bin/env bash
# A blind player hears every round: plays the real game on Xvfb with the Orca
# screen reader listening (speech off, so no audio device) and finds each
# round's outcome, winnings and money in what Orca says (heard.sh plays).
# Orca logs every utterance as SPEECH OUTPUT: '...', and buffers the log
# unless it is a terminal, which script(1) gives it. Not part of ./test.sh:
# Orca brings some 80 packages, which this installs when they are missing.
# Usage: tests/system/screenreader.sh GAME    (e.g. build/dev/src/facereel)
set -euo pipefail
if [[ ${1-} != --inside ]]; then
    "$(dirname "$0")/../../scripts/install-deps.sh" screenreader
    work=$(mktemp -d)
    mkdir -m 700 "$work/home" "$work/runtime"
    env -i PATH="$PATH" HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" LANG=C.UTF-8 \
        dbus-run-session -- "$0" --inside "$(realpath "$1")" "$work" || { echo "Orca's log: $work/orca.log"; exit 1; }
    exit 0
fi

top=$(realpath "$(dirname "$0")/../..")
cd "$3"
trap 'kill $(jobs -p) 2>/dev/null || true' EXIT
said() { sed -n "s/.*SPEECH OUTPUT: 'notification \(.*\)' *{.*/\1/p" orca.log 2>/dev/null || true; }
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>display 2>/dev/null & # a free display
for _ in {1..100}; do [[ -s display ]] && break; sleep 0.1; done
export DISPLAY=:$(<display)
/usr/libexec/at-spi-bus-launcher --launch-immediately 2>/dev/null &
sleep 1
script -qfc 'orca -d speech --debug-file /dev/tty >orca.out 2>&1' orca.log </dev/null >/dev/null &
sleep 6 # Orca registers its listeners
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$2" >game.out 2>&1 &
timeout 20 xdotool search --sync --name '^Facereel$' windowfocus # as a desktop focuses a new window
sleep 2

source "$top/tests/system/heard.sh"
echo "Orca spoke every round's outcome, winnings and money, and the new money after a reset"
