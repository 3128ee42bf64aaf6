#!/usr/bin/env bash
# The Windows release as a player meets it, under Wine in a private X server,
# at 200 % in German with the player's own separators ('.' decimal, a space
# between groups), in a fresh prefix:
# - for the current user: installs an older build of the same source (0.99,
#   built here), updates it to this one, starts it from its shortcut, plays a
#   round and reads money and winnings off the screen (not a yen lost), bets
#   "2 000.5" (a number there, more than the money), and while it runs tries a
#   silent reinstall and a silent uninstall, which must fail and leave it all
#   as it was; closes it, asks for --version as the menu would start it (a
#   box), refuses the older build over it, and uninstalls;
# - when things go wrong (windows-faults.sh), each case from the state before:
#   a lost or damaged uninstaller and a lost folder repaired by the installer;
#   a DLL held by another program during an uninstall and an update (20,
#   every file as it was); the uninstaller asking in German while a second
#   uninstaller and an installer are refused (22) and the game is started
#   (10, the install whole); No in its box (1, whole); a file where a folder
#   goes (18); then the entry's UninstallString removes it, its page German;
#   an update from the older build whose copy fails halfway (19) or that has
#   no room (23), the older version whole and starting; another program's
#   folder refused (16) and its files untouched beside ours; for all users as
#   a user without rights, a test build starting itself elevated with its
#   switches, and from its German pages with a second installer refused (22)
#   meanwhile; a damaged installer, whose status is none of ours;
# - for all users: installs the older build, updates it without a switch (the
#   installer finds it), starts it, uninstalls it as Windows' Apps would.
# Fails if anything of the game lands outside its scope or is left behind (a
# file, a folder, a registry key), or if the program lacks its manifest.
# Not part of ./test.sh; .ci/run runs it after packaging/windows/build.sh.
# Usage: tests/system/windows.sh [INSTALLER]   (default: this source's version's)
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
"$top/scripts/install-deps.sh" windows
version=$(sed -n 's/^ *set(FACEREEL_VERSION \([0-9.]*\))$/\1/p' "$top/CMakeLists.txt")
installer=$(realpath "${1:-$top/build/windows/package/facereel-$version-windows-x64.exe}")
work=$(mktemp -d) && cd "$work"
export WINEPREFIX=$work/prefix
failed=1
trap 'wineserver -k 2>/dev/null || true; kill $(jobs -p) 2>/dev/null || true; umount "$work/small" 2>/dev/null
    ((failed)) || rm -rf "$work"' EXIT
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>display 2>/dev/null &
for _ in {1..100}; do [[ -s display ]] && break; sleep 0.1; done
export DISPLAY=:$(<display)
fail() { echo "FAIL: $1; screenshots and logs kept in $work"; import -window root failed.png; exit 1; }
poll() { for _ in {1..60}; do "$@" && return; sleep 0.25; done; return 1; } # 15 s at most
window() { xdotool search --name "^$1\$" | head -1; } 2>/dev/null
found() { poll window "$1" >/dev/null && window "$1"; }
running() { # a facereel.exe of this prefix, not of anyone else's
    local pid
    for pid in $(pgrep -f 'facereel\.exe'); do
        tr '\0' '\n' 2>/dev/null <"/proc/$pid/environ" | grep -qx "WINEPREFIX=$WINEPREFIX" && return 0
    done
    return 1
}
gone() { poll eval '! running'; }
visible() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -1; }
quit() { poll eval '[[ -n $(visible Facereel) ]]' && xdotool windowfocus "$(visible Facereel)" key alt+F4 && gone; } # the game, once shown
# A control's middle: Wine puts the client area where the design does, at twice the size.
at() { read -r x y < <("$top/scripts/design-point.sh" "$@") && echo $((2 * x)) $((2 * y)); }
crop() { import -window root -crop "$1" "png:${2:--}"; }
shown() { # the text of an amount control, read off the screen
    read -r x y < <(at "$1")
    crop 216x26+$((x - 108))+$((y - 13)) | convert - -negate -resize 400% -threshold 50% "$1.png"
    tesseract "$1.png" - --psm 7 -c tessedit_char_whitelist=0123456789. 2>/dev/null | tr -d ' \n'
}
reads() { # the text of a window, read off the screen
    eval "$(xdotool getwindowgeometry --shell "$1")"
    crop "${WIDTH}x${HEIGHT}+$X+$Y" | convert - -resize 200% window.png
    tesseract window.png - --psm 6 2>/dev/null | tr '\n' ' '
}
answer() { # BOX [KEY]: raises a box and reads it, then clicks into it and presses Return (or KEY)
    xdotool windowraise "$1" && sleep 0.2 # over the game's window, with no window manager to raise it
    reads "$1"
    xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 3)) click 1 key "${2:-Return}"
    poll eval "! xdotool getwindowname $1 &>/dev/null"
}
reels() { read -r x y < <(at Output 0) && crop 700x150+$((x - 75))+$((y - 75)) "$1"; }
still() { reels a.png && sleep 0.2 && reels b.png && compare -metric AE a.png b.png null: 2>/dev/null; }
spin() { xdotool mousemove $(at Bet) click --repeat 3 1 key ctrl+a type "$1" && xdotool mousemove $(at Controller) click 1; }
state() { # what the game could leave: files and folders, registry keys, by hive; not Windows' own
    { find prefix/drive_c -path '*/Temp' -prune -o -print; grep -aH '^\[' prefix/*.reg | sed 's/\] [0-9]*$/]/'; } |
        grep -vx -e '.*/AppData/Local/Programs' -e '.*user.reg:\[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\]' | sort
}
entry='Software\Microsoft\Windows\CurrentVersion\Uninstall\Facereel'
value() { # TYPE VALUE
    wine reg query "$1\\$entry" /v "$2" 2>/dev/null | tr -d '\r' | awk -v v="$2" '$1 == v { $1 = ""; print substr($0, 2) }'
}
install() { # INSTALLER ARGUMENTS... EXPECTED-STATUS WHAT
    local status=0
    wine "${@:1:$#-2}" || status=$?
    [[ $status == "${*: -2:1}" ]] || fail "${*: -1}: status $status, not ${*: -2:1}"
}
new() { comm -13 "$1" <(state); }
lost() { comm -23 "$1" <(state) | grep -iE 'facereel|games|blocked|elevated'; } # not Wine's own comings and goings
same() { [[ -z $(new "$1") && -z $(lost "$1") ]]; }

source "$top/packaging/windows/prefix.sh"
set_value 'HKCU\Control Panel\International' sDecimal .
set_value 'HKCU\Control Panel\International' sThousand ' '
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 192 /f &>/dev/null && wineserver -w
state >before.txt

# The same source as version 0.99, to update from and to refuse.
qt=$("$top/packaging/windows/qt.sh")
(cd "$top" && cmake --preset windows -B "$work/older" -DFACEREEL_VERSION=0.99 -DBUILD_TESTING=OFF \
    -DCMAKE_PREFIX_PATH="$qt" && cmake --build "$work/older" --target facereel &&
    SOURCE_DATE_EPOCH=$(date +%s) cmake -P "$work/older/package.cmake") >older.log 2>&1 || fail "the older build"
older=$work/older/package/facereel-0.99-windows-x64.exe
strings -n 6 "$(dirname "$installer")/facereel-$version-windows-x64/facereel.exe" | tr -d '\n' |
    grep -q 'asInvoker.*8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a.*PerMonitorV2.*Common-Controls" version="6' ||
    fail "no manifest of asInvoker, Windows 10, per-monitor DPI v2 and common controls 6 in the program"

wine winecfg -v win7 && install "$installer" /S 15 "Windows 7" && wine winecfg -v win10

# For the current user.
install "$older" /S 0 "the older build, per user"
install "$installer" /S 0 "the update, per user"
[[ $(value HKCU DisplayVersion) == "REG_SZ $version" && -z $(value HKLM DisplayName) ]] || fail "not one entry of $version"
for v in EstimatedSize NoModify NoRepair; do [[ $(value HKCU $v) == REG_DWORD* ]] || fail "$v is not a number"; done
[[ -n $(value HKCU QuietUninstallString) && -n $(value HKCU InstallLocation) && -z $(value HKCU URLInfoAbout) ]] ||
    fail "the entry lacks its uninstall strings or its place, or names a web page"
mine=$(new before.txt)
grep -E 'Program Files|ProgramData|^prefix/system.reg' <<<"$mine" && fail "a per-user install wrote the above"
user=$(id -un) # Wine's user is the Unix one
programs="prefix/drive_c/users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
[[ $(grep -c '\.lnk$' <<<"$mine") == 1 ]] && grep -qx "$programs/Facereel.lnk" <<<"$mine" || fail "not one shortcut"
dir=$(value HKCU InstallLocation) dir=${dir#REG_SZ }
files=$(grep -c "/Programs/Facereel/.*\.[a-z]*$" <<<"$mine")
[[ $files == $(($(find "$(dirname "$installer")/facereel-$version-windows-x64" -type f | wc -l) + 1)) ]] ||
    fail "$files files installed: not only the new ones and the uninstaller"

wine start "C:\\users\\$user\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Facereel.lnk"
found Facereel >/dev/null || fail "the shortcut started no game"
spin 2.5 && poll eval '! still' || fail "the reels did not turn"
xdotool click 1 && poll still || fail "the reels did not stop"
money=$(shown Money) winnings=$(shown Winnings)
[[ $money$winnings == *.* ]] || fail "no decimal point in money $money or winnings $winnings"
awk -v m="$money" -v w="$winnings" 'BEGIN { exit !(m + 2.5 - w == 1000 && index(" 0 12.5 25 62.5 125 ", " " w " ")) }' ||
    fail "money $money after winnings $winnings: yen lost"
spin '2 000.5'
box=$(found 'Stop!') || fail "no box for a bet of 2 000.5"
[[ $(answer "$box") == *"enough money"* ]] || fail "2 000.5 was not read as more than the money"

# While it runs: nothing touched, and a status that says so.
state >playing.txt
install "$installer" /S 10 "a reinstall while the game runs"
install "$dir\\Uninstall.exe" /S "_?=$dir" 10 "an uninstall while the game runs"
same playing.txt || fail "changed while the game ran"
running || fail "the game died"
quit || fail "the game did not end with its window"

wine start "$dir\\facereel.exe" --version
box=$(found Facereel) || fail "no box for --version without a console"
[[ $(answer "$box") == *"Facereel $version"* ]] || fail "the --version box did not say $version"
gone || fail "the --version box did not end the game"
state >installed.txt
install "$older" /S 11 "the older build over this one"
[[ -z $(new installed.txt) ]] || fail "the refused older build changed something"
install "$dir\\Uninstall.exe" /S 0 "the uninstall, as Windows' Apps runs it" && wineserver -w
[[ -z $(new before.txt) ]] || fail "the uninstaller left: $(new before.txt)"

# When things go wrong.
source "$top/tests/system/windows-faults.sh"

# For all users: the older build, then this one finds it and updates it.
install "$older" /S /AllUsers 0 "the older build, for all users"
install "$installer" /S 0 "the update, for all users"
[[ $(value HKLM DisplayVersion) == "REG_SZ $version" && -z $(value HKCU DisplayName) ]] ||
    fail "not one entry of $version for all users"
wine start 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Facereel.lnk'
found Facereel >/dev/null || fail "the all-users shortcut started no game"
quit || fail "the game did not end"
dir=$(value HKLM InstallLocation) dir=${dir#REG_SZ }
install "$dir\\Uninstall.exe" /S 0 "the uninstall for all users" && wineserver -w
[[ -z $(new before.txt) ]] || fail "the uninstaller for all users left: $(new before.txt)"
failed=0
printf '%s\n' "per user: 0.99 updated to $version, one entry and shortcut, nothing machine-wide; a round at 200 % in" \
    "German with '.' and ' ': money $money, winnings $winnings, not a yen lost; 2 000.5 read as more than the money;" \
    "while it ran a reinstall and an uninstall gave status 10 and changed nothing; --version in a box; 0.99 over" \
    "$version refused with 11; uninstalled, nothing left. For all users: 0.99 updated without a switch, started," \
    "uninstalled, nothing left. The manifest is in the program. When things go wrong: a lost or damaged" \
    "uninstaller and a lost folder repaired; a held DLL 20 for the uninstall and an update, both ways of holding;" \
    "while the uninstaller asked in German a second one and an installer 22, the started game 10, whole; No 1," \
    "whole; a file in the way 18; the UninstallString then removed it; an update failing halfway 19, $full," \
    "the older version whole and started; another program's folder 16, their files untouched beside ours;" \
    "elevated with /D= and its copy's statuses returned, from its German pages too with a second installer 22," \
    "outside Program Files 17; a damaged installer $status."
