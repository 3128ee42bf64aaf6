# Sourced by windows.sh, with its prefix and helpers: the installer and the
# uninstaller when things go wrong, each case from the state before anything
# was installed, and back to it. Everything a refusal or a failure touches
# must be as it was, the uninstaller and the entry working.
clean() { [[ -z $(new before.txt) ]] || fail "$1 left: $(new before.txt)"; }
sums() { (cd "$1" && find . -type f -exec sha256sum {} + | sort); } # every file of a folder, and what it holds
says() { reads "$1" | grep -q "$2"; }
stage=$(dirname "$installer")/facereel-$version-windows-x64
test_build() { # DEFINE: this installer built again with a test's define, in $work/DEFINE
    (cd "$top" && SOURCE_DATE_EPOCH=0 cmake -DSTAGE="$stage" -DOUT="$work/$1" -DNSIS_DEFINES=-D$1 \
        -P build/windows/package.cmake) >"$1.log" 2>&1 || fail "the test build $1"
    echo "$work/$1/facereel-$version-windows-x64.exe"
}
user_dir='C:\users\'$user'\AppData\Local\Programs\Facereel' unix_dir=prefix/drive_c/users/$user/AppData/Local/Programs/Facereel
shortcut="C:\\users\\$user\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Facereel.lnk"
#   an uninstaller lost (quarantined, say) or damaged, a folder lost: the installer repairs the install
install "$installer" /S 0 "the install before its uninstaller is lost"
rm "$unix_dir/Uninstall.exe"
touch "$unix_dir/gone.dll" # of an older version, which its entry names
wine reg add "HKCU\\$entry" /v Files /d "$(value HKCU Files | sed 's/^REG_SZ //')gone.dll|" /f >/dev/null 2>&1
install "$installer" /S 0 "a reinstall over a lost uninstaller"
[[ -f $unix_dir/Uninstall.exe && ! -e $unix_dir/gone.dll && $(value HKCU DisplayVersion) == "REG_SZ $version" ]] ||
    fail "not repaired by the entry's list"
end=$(x86_64-w64-mingw32-objdump -h "$unix_dir/Uninstall.exe" | awk '$1 ~ /^[0-9]+$/ { print $3, $6 }' |
    while read -r size at; do echo $((16#$size + 16#$at)); done | sort -n | tail -1) # the program; its data after
head -c $((end + 4096)) "$unix_dir/Uninstall.exe" >damaged.exe && mv damaged.exe "$unix_dir/Uninstall.exe"
status=0 && wine "$user_dir\\Uninstall.exe" /S "_?=$user_dir" || status=$?
[[ $status == 2 ]] || fail "the damaged uninstaller gave $status, not NSIS's own 2"
install "$installer" /S 0 "a reinstall over a damaged uninstaller"
rm -r "$unix_dir" # a roaming profile brings the entry and the shortcut, not the folder
install "$installer" /S 0 "a reinstall over a lost folder"
[[ -z $(comm -3 <(grep "$unix_dir/" installed.txt) <(state | grep "$unix_dir/")) ]] || fail "not repaired whole"
wineserver -w && state >whole.txt && sums "$unix_dir" >whole.sums # the registry saved first
eval "quiet=($(value HKCU QuietUninstallString | sed 's/^REG_SZ //; s/\\/\\\\/g'))"
#   a DLL held by another program: without delete sharing (a scanner's), and
#   shared for deleting but not for writing (as Windows holds a running
#   program, which it lets be moved): the uninstall and an update leave all
hold() { # FILE [delete]: holds a file of the install until release
    rm -f held.fifo held.txt && mkfifo held.fifo
    wine "$top/build/windows/holdfile.exe" "$user_dir\\$1" ${2-} <held.fifo >held.txt & holder=$!
    exec 5>held.fifo && poll grep -q held held.txt || fail "could not hold $1"
}
release() { exec 5>&- && wait $holder; }
for sharing in '' delete; do
    hold 'styles\qwindowsvistastyle.dll' $sharing
    install "${quiet[@]}" 20 "the QuietUninstallString while another program holds a DLL ($sharing)"
    install "$installer" /S 20 "an update while another program holds a DLL ($sharing)"
    release
done
same whole.txt && [[ $(sums "$unix_dir") == $(<whole.sums) ]] || fail "not whole after a held DLL"
#   the uninstaller asks, in German: a second one and an installer are
#   refused meanwhile; the game started while it asks keeps everything
wine "$user_dir\\Uninstall.exe" & asking=$!
box=$(found 'Facereel entfernen') || fail "the uninstaller did not ask"
[[ $(reads "$box") == *"Computer entfernen"* ]] || fail "the uninstaller did not ask in German"
install "${quiet[@]}" 22 "a second uninstaller while one asks"
install "$installer" /S 22 "an installer while the uninstaller asks"
wine start "$shortcut"
found Facereel >/dev/null || fail "the repaired install started no game after a held DLL"
answer "$box" >/dev/null # Ja: remove
box=$(found 'Facereel entfernen') || fail "no box for the running game"
[[ $(answer "$box" Escape) == *Wiederholen* ]] || fail "the box did not say the game runs" # Abbrechen
poll eval 'says "$(visible "Facereel entfernen ")" "bleibt installiert"' && xdotool key Return || fail "no page: it stays"
status=0 && wait $asking || status=$?
[[ $status == 10 ]] || fail "the uninstaller confirmed while the game ran: status $status, not 10"
install "${quiet[@]}" 10 "the QuietUninstallString while the game runs"
same whole.txt || fail "not whole after a refused uninstall"
quit || fail "the game did not end"
#   No in the uninstaller's box: everything stays, the uninstaller too
wine "$user_dir\\Uninstall.exe" & asking=$!
box=$(found 'Facereel entfernen') && answer "$box" n >/dev/null || fail "the uninstaller did not ask"
status=0 && wait $asking || status=$?
[[ $status == 1 ]] && same whole.txt && [[ $(sums "$unix_dir") == $(<whole.sums) ]] ||
    fail "No in the uninstaller's box: status $status, or not whole"
#   a file where a folder of the install goes: refused before anything changes
mv "$unix_dir/platforms" platforms && touch "$unix_dir/platforms" && state >blocked.txt
install "$installer" /S 18 "an update with a file in the way"
same blocked.txt || fail "a refused update changed something"
rm "$unix_dir/platforms" && mv platforms "$unix_dir/platforms"
#   and after all that the entry's UninstallString removes it, its page in German
eval "asked=($(value HKCU UninstallString | sed 's/^REG_SZ //; s/\\/\\\\/g'))"
wine "${asked[@]}" & asking=$!
box=$(found 'Facereel entfernen') && answer "$box" >/dev/null || fail "the UninstallString did not ask"
poll eval 'says "$(visible "Facereel entfernen ")" "wurde entfernt"' && xdotool key Return || fail "no German page: removed"
status=0 && wait $asking || status=$?
[[ $status == 0 ]] && wineserver -w || fail "the UninstallString gave $status"
clean "the uninstall after the repair"

#   an update that cannot finish keeps the version it updates: a write that
#   fails halfway (a test build), a drive without room for both (a tmpfs)
where=$user_dir unix_where=$unix_dir
size=$(du -sk "$stage" | cut -f1) && mkdir small
if mount -t tmpfs -o size=$((2 * size + 4096))k tmpfs small 2>/dev/null; then
    ln -sfn "$work/small" prefix/dosdevices/s: && where='S:\Facereel' unix_where=small/Facereel
fi
install "$older" /S "/D=$where" 0 "the older build, to update" && wineserver -w
state >older.txt && sums "$unix_where" >older.sums
failing=$(test_build TEST_COPY_FAILS)
install "$failing" /S "/D=$where" 19 "an update whose copy fails halfway"
full="a drive without room not tried (no tmpfs could be mounted here)"
if [[ $where == S:* ]]; then
    head -c $((($(df -k --output=avail small | tail -1) - size / 2) * 1024)) /dev/zero >small/filler
    install "$installer" /S "/D=$where" 23 "an update onto a drive without room for it"
    rm small/filler && full="a drive without room 23"
fi
same older.txt && [[ $(sums "$unix_where") == $(<older.sums) ]] || fail "a failed update changed the older version"
wine start "$where\\facereel.exe"
found Facereel >/dev/null || fail "the older version did not start after a failed update"
quit || fail "the game did not end"
install "$where\\Uninstall.exe" /S 0 "its uninstall" && wineserver -w
clean "the failed updates"
#   another program's files: refused in their folder, left alone beside it
mkdir -p prefix/drive_c/Games prefix/drive_c/blocked && touch prefix/drive_c/blocked/platforms
printf 'not ours\n' >prefix/drive_c/Games/Qt6Core.dll && printf 'my notes\n' >prefix/drive_c/Games/notes.txt
theirs=$(sha256sum prefix/drive_c/Games/* prefix/drive_c/blocked/*) && state >others.txt
install "$installer" /S '/D=C:\Games' 16 "an install into another program's folder"
install "$installer" /S '/D=C:\blocked' 16 "an install where a file stands in place of a folder"
same others.txt || fail "a refused install changed something"
install "$installer" /S '/D=C:\Games\Facereel' 0 "an install beside another program's files"
install 'C:\Games\Facereel\Uninstall.exe' /S 0 "its uninstall" && wineserver -w
[[ $(sha256sum prefix/drive_c/Games/* prefix/drive_c/blocked/*) == "$theirs" && -z $(new others.txt) ]] ||
    fail "another program's files changed"
rm -r prefix/drive_c/Games prefix/drive_c/blocked
#   for all users, as a user without rights: it starts itself again elevated
#   with every switch and returns that copy's status (a test build: Wine's
#   user is always an administrator); never outside Program Files
as_user=$(test_build TEST_NOT_ADMIN)
install "$as_user" /S /AllUsers '/D=C:\Games\Facereel' 17 "all users outside Program Files"
install "$as_user" /S /AllUsers '/D=C:\Program' 'Files\Elevated' 0 "all users, elevated, with /D="
[[ $(value HKLM InstallLocation) == 'REG_SZ C:\Program Files\Elevated' ]] || fail "the elevated copy lost /D="
elevated=prefix/drive_c/Program\ Files/Elevated
mv "$elevated/platforms" platforms && touch "$elevated/platforms"
install "$as_user" /S 18 "an elevated update with a file in the way (its copy's status)"
rm "$elevated/platforms" && mv platforms "$elevated/platforms"
install 'C:\Program Files\Elevated\Uninstall.exe' /S 0 "its uninstall, elevated" && wineserver -w
clean "the elevated install"
#   the same from its pages, in German, a second installer refused while the
#   first shows one: "For everyone" starts the elevated copy at the folder page
setup='Installation von Facereel '
wine "$as_user" & asking=$!
poll eval '[[ -n $(visible "$setup") ]]' && first=$(visible "$setup") || fail "no installer window"
poll says "$first" 'Lizenzen' || fail "no licence page in German"
install "$installer" /S 22 "a second installer while one shows its page"
xdotool key Return
poll says "$first" 'Installieren' && xdotool key alt+a Return || fail "no page to choose the scope"
poll eval '[[ -n $(visible "$setup") && $(visible "$setup") != "$first" ]]' || fail "no elevated copy for everyone"
child=$(visible "$setup")
poll says "$child" 'Zielverzeichnis' && xdotool key Return || fail "the elevated copy did not start at the folder"
poll says "$child" 'abgeschlossen' && xdotool key Return || fail "the elevated copy did not finish"
status=0 && wait $asking || status=$?
[[ $status == 0 && $(value HKLM InstallLocation) == 'REG_SZ C:\Program Files\Facereel' && -z $(value HKCU DisplayName) ]] ||
    fail "chosen on its page, for everyone: status $status, not installed for all users"
install 'C:\Program Files\Facereel\Uninstall.exe' /S 0 "its uninstall" && wineserver -w
clean "the install for everyone chosen on its page"
#   a damaged installer: NSIS's own refusal, none of ours
head -c $(($(stat -c %s "$installer") / 2)) "$installer" >damaged.exe
status=0 && wine damaged.exe /S || status=$?
((status != 0 && (status < 10 || status > 23))) || fail "the damaged installer gave status $status"
clean "the damaged installer"
