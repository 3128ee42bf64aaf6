# Sourced by the screen reader checks (screenreader.sh: Orca on Linux;
# windows-screenreader.sh: UI Automation under Wine), which give top (the
# source) and said(): every line a screen reader has been handed so far, one a
# line. Plays the game in DISPLAY as a blind player: a round by keyboard alone
# from the bet box, which has the focus at start; one with the mouse; the
# winnings bonus; all-in rounds until one is lost, and Yes to the bankruptcy
# box. Fails unless each round's outcome, winnings and money, the bonus and
# the new money after the reset come one line each, nothing while the reels spin.
fail() { echo "FAIL: $1"; exit 1; }
click() { xdotool mousemove $("$top/scripts/design-point.sh" "$@") click 1 && sleep 0.6; } # no double click
heard=0
expect() { # the next line must match $1; Orca can stall for 25 s on a busy machine
    heard=$((heard + 1))
    for _ in {1..600}; do line=$(said | sed -n "${heard}p") && [[ -n $line ]] && break; sleep 0.1; done
    [[ $line =~ ^$1$ ]] || fail "expected '$1', heard '$line'"
    echo "heard: $line"
    money=${line##* }
}
quiet() { [[ $(said | wc -l) == "$heard" ]] || fail "$1: $(said | tail -n +$((heard + 1)))"; }
outcome="(Jackpot!!!|Four Heads!!|Triple Strike!|Double Double!!|Double!|Double|Tough Luck!)"
press() { if [[ $1 == keys ]]; then xdotool key alt+s; else click Controller; fi; }
play() { # BET keys|mouse; keys pass through Orca first: typed faster, some are lost
    [[ $2 == keys ]] || click Bet
    xdotool key ctrl+a type --delay 150 "$1"
    press "$2" && sleep 1 && quiet "heard while the reels spin"
    press "$2"
    expect "$outcome Winnings [0-9.,E+]+\. Money [0-9.,E+]+\."
}
play 10 keys
play 10 mouse
for target in Winnings Winnings "Output 1" "Output 1" "Output 3" "Output 1" Winnings; do # the winnings bonus
    click $target # a name and maybe an index
done
expect "You've got it! Winnings 100\. Money $((${money%.} + 100))\."
for _ in {1..100}; do # all in, until a round is lost
    play "${money%.}" mouse
    [[ $money == 0. ]] && break
done
[[ $money == 0. ]] || fail "no round lost in 100"
timeout 20 xdotool search --sync --onlyvisible --name '^Bankrupt$' >/dev/null
xdotool key Return # Yes, the box's default button
expect "Money 1000\."
sleep 1 && quiet "heard more than once"
