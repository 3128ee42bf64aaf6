#!/usr/bin/env bash
# A blind player on Windows hears every round: the release's game under Wine
# in a fresh prefix, with a recording stand-in for UIAutomationCore.dll
# (tests/windows/uiautomationcore.cpp, built with the Windows tests) in its
# system32 as a native override. Asked for its elements as a screen reader
# begins, the game switches UI Automation on; then heard.sh plays, and each
# line must come as one notification (kind Other, the most recent important).
# Last, walking the window must find its elements as a player would.
# Not part of ./test.sh; .ci/run runs it after packaging/windows/build.sh.
# Usage: tests/system/windows-screenreader.sh [GAME.exe STAND-IN.dll]   (default: build/windows's)
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
if [[ ${1-} != --inside ]]; then
    game=$(realpath "${1:-$(echo "$top"/build/windows/package/facereel-*-windows-x64/facereel.exe)}")
    work=$(mktemp -d)
    WINEPREFIX=$work/prefix "$top/packaging/windows/session.sh" "$0" --inside "$game" \
        "$(realpath "${2:-$top/build/windows/uiautomationcore.dll}")" "$work" || { echo "Raised: $work/raised.txt"; exit 1; }
    rm -rf "$work"
    exit 0
fi

cd "$4"
cp "$3" "$WINEPREFIX/drive_c/windows/system32/uiautomationcore.dll"
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;uiautomationcore=n"
wine "$2" 2>raised.txt &
timeout 30 xdotool search --sync --name '^Facereel$' >/dev/null
wine rundll32 uiautomationcore.dll,Ask # a screen reader's first request
said() { sed -n 's/^notification //p' raised.txt | sed 's/^4 1 //' | tr -d '\r'; }
source "$top/tests/system/heard.sh"

# The window as a screen reader walks it now: a face on each reel (four different ones, the round was
# lost) and the last line said. Control types: 50032 window, 50006 image, 50020 text, 50004 edit,
# 50000 button, 50025 custom.
wine rundll32 uiautomationcore.dll,Ask
tree=$(grep -a '^tree ' raised.txt | tr -d '\r' | cut -c6- | tac | sed '/^[^ ]/q' | tac)
faces=$(grep -o '|Face [^|]*|' <<<"$tree" | sort | tr -d '\n')
[[ $faces == '|Face 0 (jackpot)||Face 1||Face 2||Face 3|' ]] || fail "the reels' faces: $faces"
diff <(sed 's/|Face [^|]*|/|FACE|/' <<<"$tree") - <<'EOF' || fail "not the window's elements"
50032|Facereel||True
  50006|Reel 1|FACE|False
  50006|Reel 2|FACE|False
  50006|Reel 3|FACE|False
  50006|Reel 4|FACE|False
  50020|Money:||False
  50020|1000||False
  50020|¥||False
  50020|Bet:||False
  50004|Bet||True
  50020|Winnings||False
  50020|0||False
  50000|Spin||True
  50020|Tough Luck!||False
  50025|Money 1000.||False
EOF
echo "A screen reader on Windows heard every round, the bonus and the reset, once each, and found the window's elements"
