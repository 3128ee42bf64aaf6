#!/usr/bin/env bash
# The Windows release as a player meets it, under Wine in a private X server,
# at 200 % in German with the player's own separators ('.' decimal, a space
# between groups): installs it silently into a fresh prefix, starts it from its
# Start-menu shortcut, bets 2.5 and plays a round, reads money and winnings
# off the screen and checks that not a yen was lost, bets "2 000.5" (a number
# there, more than the money after any such round), answers that box, closes the window, asks
# for --version as the menu would start it (a box), uninstalls silently.
# Fails if the game dies, a box does not come, or anything of the game is left
# behind: a file, a folder or a registry key. Not part of ./test.sh; .ci/run
# runs it after packaging/windows/build.sh.
# Usage: tests/system/windows.sh INSTALLER   (build/windows/package/facereel-*-windows-x64.exe)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
"$here/../../scripts/install-deps.sh" windows
installer=$(realpath "$1") work=$(mktemp -d) && cd "$work" && export WINEPREFIX=$work/prefix DISPLAY=:58
trap 'wineserver -k 2>/dev/null || true; kill $(jobs -p) 2>/dev/null || true' EXIT
Xvfb $DISPLAY -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null & sleep 1
fail() { echo "FAIL: $1; screenshots and logs: $work"; import -window root failed.png; exit 1; }
found() { for _ in {1..40}; do xdotool search --name "^$1\$" | head -1 && return; sleep 0.5; done; return 1; } 2>/dev/null
gone() { for _ in {1..20}; do pgrep -f facereel.exe >/dev/null || return 0; sleep 0.5; done; return 1; }
# A control's middle: Wine puts the client area where the design does, at twice the size.
at() { read -r x y < <("$here/../../scripts/design-point.sh" "$@") && echo $((2 * x)) $((2 * y)); }
shown() { # the text of an amount control, read off the screen
    read -r x y < <(at "$1")
    import -window root -crop 216x26+$((x - 108))+$((y - 13)) png:- | convert - -negate -resize 400% -threshold 50% "$1.png"
    tesseract "$1.png" - --psm 7 -c tessedit_char_whitelist=0123456789. 2>/dev/null | tr -d ' \n'
}
answer() { # reads a box, then clicks into it and presses Return
    eval "$(xdotool getwindowgeometry --shell "$1")"
    import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" png:- | convert - -resize 200% box.png
    tesseract box.png - --psm 6 2>/dev/null | tr '\n' ' '
    xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 3)) click 1 key Return sleep 1
}
spin() { xdotool mousemove $(at Bet) click --repeat 3 1 key ctrl+a type "$1" && xdotool mousemove $(at Controller) click 1; }
state() { # what the game could leave: files and folders, registry keys
    { find prefix/drive_c -path '*/Temp' -prune -o -print; grep -ah '^\[' prefix/*.reg | sed 's/\] [0-9]*$/]/'; } | sort
}
source "$here/../../packaging/windows/prefix.sh"
set_value 'HKCU\Control Panel\International' sDecimal .
set_value 'HKCU\Control Panel\International' sThousand ' '
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 192 /f &>/dev/null && wineserver -w
state >before.txt

wine "$installer" /S || fail "the installer failed with status $?"
wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Facereel' &>/dev/null || fail "no entry"
wine start 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Facereel\Facereel.lnk'
window=$(found Facereel) || fail "the Start-menu shortcut started no game"
spin 2.5 && xdotool sleep 1 click 1 sleep 2.5 # Stop, the stop tick
import -window root round.png
money=$(shown Money) winnings=$(shown Winnings)
pgrep -f facereel.exe >/dev/null || fail "the game died in a round"
[[ $money$winnings == *.* ]] || fail "no decimal point in money $money or winnings $winnings"
awk -v m="$money" -v w="$winnings" 'BEGIN { exit !(m + 2.5 - w == 1000 && index(" 0 12.5 25 62.5 125 ", " " w " ")) }' ||
    fail "money $money after winnings $winnings: yen lost"
spin '2 000.5'
box=$(found 'Stop!') || fail "no box for a bet of 2 000.5"
[[ $(answer "$box") == *"enough money"* ]] || fail "2 000.5 was not read as more than the money"
xdotool search --name '^Stop!$' >/dev/null && fail "the box stayed after Return"
xdotool windowfocus "$window" key alt+F4
gone || fail "the game did not end with its window"

wine start 'C:\Program Files\Facereel\facereel.exe' --version
box=$(found Facereel) || fail "no box for --version without a console"
[[ $(answer "$box") == *"Facereel 1.00"* ]] || fail "the --version box did not say 1.00"
gone || fail "the --version box did not end the game"

wine 'C:\Program Files\Facereel\Uninstall.exe' /S && wineserver -w # its copy in Temp runs on
state >after.txt
left=$(comm -13 before.txt after.txt) && [[ -z $left ]] || fail "the uninstaller left: $left"
printf '%s\n' "installed; a round at 200 % in German with '.' and ' ': money $money, winnings $winnings, not a yen" \
    "lost; 2 000.5 read as more than the money; closed; --version in a box; uninstalled, nothing left"
