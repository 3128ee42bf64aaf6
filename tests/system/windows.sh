#!/usr/bin/env bash
# The Windows release as a player meets it, under Wine in a private X server:
# installs it silently into a fresh prefix, starts the game from its Start-menu
# shortcut, plays a round (bet, Spin, Stop), opens a box and answers it,
# closes the window, asks for --version as the menu would start it (a box),
# uninstalls silently. Fails if the game dies, a box does not come, or anything
# of the game is left behind: a file, a folder or a registry key. Not part of
# ./test.sh; .ci/run runs it after packaging/windows/build.sh.
# Usage: tests/system/windows.sh INSTALLER   (build/windows/package/facereel-*-windows-x64.exe)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
"$here/../../scripts/install-deps.sh" windows
installer=$(realpath "$1") work=$(mktemp -d)
cd "$work"
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=:58
trap 'wineserver -k 2>/dev/null || true; kill $(jobs -p) 2>/dev/null || true' EXIT
Xvfb $DISPLAY -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null &
sleep 1
fail() { echo "FAIL: $1; screenshots and logs: $work"; import -window root failed.png; exit 1; }
found() { # the window titled $1 within 20 s
    for _ in {1..40}; do xdotool search --name "^$1\$" 2>/dev/null | head -1 && return; sleep 0.5; done
    return 1
}
gone() { for _ in {1..20}; do pgrep -f facereel.exe >/dev/null || return 0; sleep 0.5; done; return 1; }
at() { "$here/../../scripts/design-point.sh" "$@"; } # Wine puts the client area where the design does
state() { # what the game has left: its files and folders, and its registry keys
    find prefix/drive_c -path '*/Temp' -prune -o -print | sort
    cat prefix/*.reg | grep -a '^\[' | sed 's/\] [0-9]*$/]/' | sort
}
source "$here/../../packaging/windows/prefix.sh" && wineserver -w
state >before.txt

wine "$installer" /S || fail "the installer failed with status $?"
program="C:\\Program Files\\Facereel\\facereel.exe"
[[ -f "prefix/drive_c/Program Files/Facereel/facereel.exe" ]] || fail "nothing installed in Program Files"
wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Facereel' /v DisplayName &>/dev/null ||
    fail "no entry among the installed programs"
wine start 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Facereel\Facereel.lnk'
window=$(found Facereel) || fail "the Start-menu shortcut started no game"
import -window root start.png
money() { read -r x y < <(at Money) && import -window root -crop 100x13+$((x - 50))+$((y - 6)) +repage "$1.png"; }
money before
xdotool mousemove $(at Bet) click --repeat 3 1 key ctrl+a type 10
xdotool mousemove $(at Controller) click 1 sleep 1 click 1 sleep 2.5 # Spin, Stop, the stop tick
money after
import -window root round.png
pgrep -f facereel.exe >/dev/null || fail "the game died in a round"
cmp -s before.png after.png && fail "a round changed nothing on the money"
xdotool mousemove $(at Bet) click --repeat 3 1 key ctrl+a type 0
xdotool mousemove $(at Controller) click 1 # "Bet something greedy!"
box=$(found 'Stop!') || fail "no box for a bet of 0"
import -window root box.png
answer() { # clicks into the box and presses Return
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 3)) click 1 key Return sleep 1
}
answer "$box"
xdotool search --name '^Stop!$' >/dev/null && fail "the box stayed after Return"
xdotool windowfocus "$window" key alt+F4
gone || fail "the game did not end with its window"

wine start "$program" --version
box=$(found Facereel) || fail "no box for --version without a console"
import -window root version.png
answer "$box"
gone || fail "the --version box did not end the game"

wine "C:\\Program Files\\Facereel\\Uninstall.exe" /S
for _ in {1..60}; do [[ -d "prefix/drive_c/Program Files/Facereel" ]] || break; sleep 0.5; done
wineserver -w
state >after.txt
left=$(comm -13 before.txt after.txt)
[[ -z $left ]] || fail "the uninstaller left: $left"
echo "installed, played a round, answered a box and --version's, closed, uninstalled; nothing left"
