# Sourced: makes the Wine prefix WINEPREFIX (made if new) as near a plain
# German Windows as the game's tests need, on the display DISPLAY.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" # no offer to install .NET or a browser
# Wine takes the player's locale from the C library's: German, made here.
mkdir -p "$WINEPREFIX/locale"
[[ -d $WINEPREFIX/locale/de_DE.UTF-8 ]] || localedef -i de_DE -f UTF-8 "$WINEPREFIX/locale/de_DE.UTF-8"
export LOCPATH=$WINEPREFIX/locale
unset LC_ALL LC_NUMERIC LC_MESSAGES
{ export LANG=de_DE.UTF-8; } 2>/dev/null # the shell itself cannot take it
wineboot --init >/dev/null 2>&1
# A new prefix says Windows 7; Qt 6 and the installer need 10, as players have.
wine winecfg -v win10 >/dev/null 2>&1
# Windows has Tahoma, its dialog face, and Arial; Debian's Wine loads neither
# its own Tahoma nor any Arial: the first into the Fonts folder, Liberation
# Sans (metrics of Arial) for the second.
cp -n /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
set_value() { wine reg add "$1" /v "$2" /d "$3" /f >/dev/null 2>&1; }
set_value 'HKCU\Software\Wine\Fonts\Replacements' Arial 'Liberation Sans'
# Without a console QtTest writes to the debugger, not to the pipe CTest reads,
# and Wine passes no QT_ variable on from Linux: set in Windows.
set_value 'HKCU\Environment' QT_FORCE_STDERR_LOGGING 1
# Windows the X server manages alone: with no window manager to answer, Wine
# would wait two seconds for each window it hides.
set_value 'HKCU\Software\Wine\X11 Driver' Managed N
