#!/usr/bin/env bash
# A blind player hears every round: plays the real game on Xvfb with the Orca
# screen reader listening, and finds each round's outcome, winnings and money
# in what Orca says. A round with the mouse, one with Alt+S from the bet box,
# the winnings bonus, then rounds of the whole money until one goes bust: its
# line must come before the bankruptcy box, which Orca must speak too.
# Orca runs with speech off (no audio device needed); its debug log holds
# every utterance as SPEECH OUTPUT: '...'. Orca buffers that file unless it is
# a terminal, so it writes to one that script(1) copies to the log as it goes.
# Not part of ./test.sh: Orca brings some 80 packages, which this script
# installs when they are missing.
# Usage: tests/system/screenreader.sh GAME    (e.g. build/dev/src/facereel)
# With FACEREEL_ORCA_LOG=FILE, Orca's whole log is copied to FILE.
set -euo pipefail

if [[ ${1-} != --inside ]]; then
    game=$(realpath -m "${1:?usage: $0 GAME, the game program to play, e.g. build/dev/src/facereel}")
    [[ -x $game ]] || { echo "$game is not a program"; exit 1; }
    "$(dirname "$0")/../../scripts/install-deps.sh" screenreader
    work=$(mktemp -d)
    mkdir -m 700 "$work/home" "$work/runtime"
    status=0
    env -i PATH="$PATH" HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" LANG=C.UTF-8 \
        dbus-run-session -- "$0" --inside "$game" "$work" || status=$?
    [[ -z ${FACEREEL_ORCA_LOG-} ]] || cp "$work/orca.log" "$FACEREEL_ORCA_LOG"
    if [[ $status -eq 0 ]]; then rm -rf "$work"; else echo "Orca's log and the game's output kept in $work"; fi
    exit "$status"
fi

game=$2 work=$3 log=$3/orca.log
pids=()
cd "$work"
fail() {
    echo "FAIL: $*"
    echo "Orca said:"
    said | sed 's/^/    /'
    exit 1
}
said() { [[ ! -f $log ]] || sed -n "s/.*SPEECH OUTPUT: '\(.*\)' *{.*/\1/p" "$log"; }
trap 'for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done' EXIT
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.out" &
pids+=($!)
for _ in {1..50}; do [[ -s $work/display ]] && break; sleep 0.1; done
export DISPLAY=:$(<"$work/display")
/usr/libexec/at-spi-bus-launcher --launch-immediately 2>"$work/bus.out" &
pids+=($!)
sleep 1
script -qfc 'orca -d speech --debug-file /dev/tty >orca.out 2>&1' "$log" </dev/null >/dev/null &
pids+=($!)
sleep 6 # Orca registers its listeners
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$game" >"$work/game.out" 2>&1 &
pids+=($!)
timeout 20 xdotool search --sync --name '^Facereel$' >/dev/null || fail "no game window; the game said: $(<game.out)"
sleep 2

results() { said | grep -E ' Winnings [^ ]+\. Money [^ ]+\.$' || true; }
# A click in the middle of a control, placed as in the design (twips, 15 to
# the pixel) on the window's client area at (180, 138).
click() { xdotool mousemove $((180 + ($1 + $3 / 2) / 15)) $((138 + ($2 + $4 / 2) / 15)) click 1; }
controller() { click 3840 2400 1695 495; }
reel() { click $((480 + 1320 * $1)) 840 1095 1095; }
winnings() { click 1560 3120 1695 255; }
waitResult() { # waits for result number $1 and puts it in $line
    for _ in {1..600}; do # Orca can stall for 25 s (a D-Bus timeout) on a busy machine
        line=$(results | sed -n "$1p")
        [[ -n $line ]] && return
        sleep 0.1
    done
    fail "no spoken result after round $1"
}

declare -A factor=(["Jackpot!!!"]=50 ["Four Heads!!"]=25 ["Double Double!!"]=25 ["Triple Strike!"]=10
    ["Double!"]=5 ["Double"]=5 ["Tough Luck!"]=0)
money=1000 heard=0 outcome=''
# Checks a spoken result against the rules: the winnings are the bet times
# the outcome's factor, the money what it was less the bet plus the winnings
# (reckoned in doubles, as the game does, and shown to 15 digits).
check() {
    local line=$1 bet=$2
    [[ $line =~ ^(notification )?(.+)\ Winnings\ ([^ ]+)\.\ Money\ ([^ ]+)\.$ ]] || fail "not a result: $line"
    outcome=${BASH_REMATCH[2]}
    local won=${BASH_REMATCH[3]} now=${BASH_REMATCH[4]}
    [[ -n ${factor[$outcome]+set} ]] || fail "unknown outcome in: $line"
    awk -v m="$money" -v b="$bet" -v k="${factor[$outcome]}" -v w="$won" -v n="$now" '
        function near(x, y) { return (x - y) ^ 2 <= (1e-14 * y) ^ 2 }
        BEGIN { exit !(near(w, b * k) && near(n, m - b + b * k)) }' ||
        fail "expected winnings $bet x ${factor[$outcome]} and money $money - $bet + winnings: $line"
    money=$now
    echo "heard: $line"
}
round() { # by mouse or keys, with a bet
    local how=$1 bet=$2 spinning=${3:-1}
    click 1560 2760 1695 285 # the bet box
    xdotool key ctrl+a type "$bet"
    sleep 0.5 # keys reach the game through Orca, a moment after the clicks
    if [[ $how == mouse ]]; then controller; else xdotool key alt+s; fi
    sleep "$spinning"
    [[ $(results | wc -l) -eq $heard ]] || fail "a result was spoken while the reels spin"
    if [[ $how == mouse ]]; then controller; else xdotool key alt+s; fi
    heard=$((heard + 1))
    waitResult $heard
    check "$line" "$bet"
}

round mouse 10
round keys 10

for target in w w 1 1 3 1 w; do # the winnings bonus
    if [[ $target == w ]]; then winnings; else reel "$target"; fi
done
heard=$((heard + 1))
waitResult $heard
[[ $line =~ ^(notification )?"You've got it! Winnings 100. Money $((money + 100))."$ ]] ||
    fail "expected the bonus with money $((money + 100)): $line"
money=$((money + 100))
echo "heard: $line"

# Everything in until a round goes bust (about one in eleven does).
for _ in {1..60}; do
    round mouse "$money" 0.3
    [[ $outcome == "Tough Luck!" ]] && break
done
[[ $money == 0 ]] || fail "no round went bust in 60"
for _ in {1..600}; do
    grep -q "SPEECH OUTPUT: '.*out of money" "$log" && break
    sleep 0.1
done
bust=$(grep -n "SPEECH OUTPUT: '.*Tough Luck! Winnings" "$log" | tail -n1 | cut -d: -f1)
box=$(grep -n "SPEECH OUTPUT: '.*out of money" "$log" | head -n1 | cut -d: -f1)
[[ -n $box ]] || fail "the bankruptcy box was not spoken"
[[ $bust -lt $box ]] || fail "the bankruptcy box was spoken before the round's result"
echo "heard: $(sed -n "${box}s/.*SPEECH OUTPUT: '\(.*\)' *{.*/\1/p" "$log")"
xdotool key Return # Yes: a fresh start
echo "Orca spoke every round's outcome, winnings and money"
