#!/usr/bin/env bash
# A blind player hears every round: plays the real game on Xvfb with the Orca
# screen reader listening (speech off, so no audio device) and finds each
# round's outcome, winnings and money in what Orca says: a round with the
# mouse, one with Alt+S from the bet box, the winnings bonus, then all-in
# rounds until the money is gone, and the new money after Yes. Orca logs
# every utterance as SPEECH OUTPUT: '...', and buffers the log unless it is a
# terminal, which script(1) gives it. Not part of ./test.sh: Orca brings some
# 80 packages, which this installs when they are missing.
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
said() { sed -n "s/.*SPEECH OUTPUT: '\(.*\)' *{.*/\1/p" orca.log 2>/dev/null || true; }
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>display 2>/dev/null & # a free display
for _ in {1..100}; do [[ -s display ]] && break; sleep 0.1; done
export DISPLAY=:$(<display)
/usr/libexec/at-spi-bus-launcher --launch-immediately 2>/dev/null &
sleep 1
script -qfc 'orca -d speech --debug-file /dev/tty >orca.out 2>&1' orca.log </dev/null >/dev/null &
sleep 6 # Orca registers its listeners
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$2" >game.out 2>&1 &
timeout 20 xdotool search --sync --name '^Facereel$' >/dev/null
sleep 2

# The middle of a control as designed; clicks further apart than a double click.
click() { xdotool mousemove $("$top/scripts/design-point.sh" "$@") click 1 && sleep 0.6; }
press() { if [[ $1 == mouse ]]; then click Controller; else xdotool key alt+s; fi; }
bet() { # keys pass through Orca first: typed faster, some are lost
    click Bet
    xdotool key ctrl+a type --delay 150 "$1"
}
heard=0
round="(Jackpot!!!|Four Heads!!|Triple Strike!|Double Double!!|Double!|Double|Tough Luck!) Winnings [0-9.E+]+\. Money [0-9.E+]+\."
expect() { # the next spoken notification must match $1; Orca can stall for 25 s on a busy machine
    heard=$((heard + 1))
    for _ in {1..600}; do
        line=$(said | grep '^notification ' | sed -n "${heard}p" || true)
        [[ -n $line ]] && break
        sleep 0.1
    done
    [[ $line =~ ^notification\ $1$ ]] || { echo "FAIL: expected '$1', heard '$line'"; said; exit 1; }
    echo "heard: $line"
}
for how in mouse keys; do
    bet 10
    press $how
    sleep 1
    [[ $(said | grep -c '^notification ') -eq $heard ]] || { echo "FAIL: spoken while the reels spin"; exit 1; }
    press $how
    expect "$round"
done
money=${line##* }
for target in w w 1 1 3 1 w; do # the winnings bonus
    if [[ $target == w ]]; then click Winnings; else click Output "$target"; fi
done
expect "You've got it! Winnings 100\. Money $((${money%.} + 100))\."
money=${line##* }
for _ in {1..80}; do # all in, until a round is lost
    bet "${money%.}"
    press mouse
    press mouse
    expect "$round"
    money=${line##* }
    [[ $money == 0. ]] && break
done
[[ $money == 0. ]] || { echo "FAIL: no round lost in 80"; exit 1; }
timeout 20 xdotool search --sync --onlyvisible --name '^Bankrupt$' >/dev/null
xdotool key Return # Yes, the box's default button
expect "Money 1000\."
echo "Orca spoke every round's outcome, winnings and money, and the new money after a reset"
