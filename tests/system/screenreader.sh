#!/usr/bin/env bash
# A blind player hears every round: plays the real game on Xvfb with the Orca
# screen reader listening (speech off, so no audio device), and finds each
# round's outcome, winnings and money in what Orca says: a round with the
# mouse, one with Alt+S from the bet box, then the winnings bonus. Orca's
# debug log holds every utterance as SPEECH OUTPUT: '...'; it buffers that file
# unless it is a terminal, so script(1) gives it one. Not part of ./test.sh:
# Orca brings some 80 packages, which this installs when they are missing.
# Usage: tests/system/screenreader.sh GAME    (e.g. build/dev/src/facereel)
set -euo pipefail

if [[ ${1-} != --inside ]]; then
    game=$(realpath "${1:?usage: $0 GAME}")
    "$(dirname "$0")/../../scripts/install-deps.sh" screenreader
    work=$(mktemp -d)
    mkdir -m 700 "$work/home" "$work/runtime"
    env -i PATH="$PATH" HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" LANG=C.UTF-8 \
        dbus-run-session -- "$0" --inside "$game" "$work" || { echo "Orca's log kept in $work"; exit 1; }
    rm -rf "$work"
    exit 0
fi

game=$2 work=$3 log=$3/orca.log
cd "$work"
trap 'kill $(jobs -p) 2>/dev/null || true' EXIT
said() { sed -n "s/.*SPEECH OUTPUT: '\(.*\)' *{.*/\1/p" "$log" 2>/dev/null | grep ' Winnings .*\. Money .*\.$' || true; }
fail() { echo "FAIL: $*"; sed -n "s/.*SPEECH OUTPUT: '\(.*\)' *{.*/    \1/p" "$log"; exit 1; }
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>display 2>/dev/null &
for _ in {1..50}; do [[ -s display ]] && break; sleep 0.1; done
export DISPLAY=:$(<display)
/usr/libexec/at-spi-bus-launcher --launch-immediately 2>/dev/null &
sleep 1
script -qfc 'orca -d speech --debug-file /dev/tty >orca.out 2>&1' "$log" </dev/null >/dev/null &
sleep 6 # Orca registers its listeners
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$game" >game.out 2>&1 &
timeout 20 xdotool search --sync --name '^Facereel$' >/dev/null || fail "no game window: $(<game.out)"
sleep 2

# The middle of a control as designed (twips, 15 to the pixel), on the client area at (180, 138).
click() { xdotool mousemove $((180 + ($1 + $3 / 2) / 15)) $((138 + ($2 + $4 / 2) / 15)) click 1; }
press() { if [[ $1 == mouse ]]; then click 3840 2400 1695 495; else xdotool key alt+s; fi; }
heard=0
expect() { # waits for spoken result number $heard + 1 to match $1
    heard=$((heard + 1))
    for _ in {1..600}; do # Orca can stall for 25 s (a D-Bus timeout) on a busy machine
        line=$(said | sed -n "${heard}p")
        [[ -n $line ]] && break
        sleep 0.1
    done
    [[ $line =~ ^(notification )?$1$ ]] || fail "result $heard: expected '$1', heard '$line'"
    echo "heard: $line"
}
outcomes='(Jackpot!!!|Four Heads!!|Triple Strike!|Double Double!!|Double!|Double|Tough Luck!)'
for how in mouse keys; do
    click 1560 2760 1695 285 # the bet box
    xdotool key ctrl+a type 10
    sleep 0.5 # keys reach the game through Orca, a moment after the clicks
    press $how
    sleep 1
    [[ $(said | wc -l) -eq $heard ]] || fail "a result was spoken while the reels spin"
    press $how
    expect "$outcomes Winnings [0-9]+\. Money [0-9]+\."
done
money=${line##* }
for target in w w 1 1 3 1 w; do # the winnings bonus, slower than a double click
    if [[ $target == w ]]; then click 1560 3120 1695 255; else click $((480 + 1320 * target)) 840 1095 1095; fi
    sleep 0.6
done
expect "You've got it! Winnings 100\. Money $((${money%.} + 100))\."
echo "Orca spoke every round's outcome, winnings and money"
