#!/usr/bin/env bash
# Makes the README's picture from this source's game: builds the release,
# plays one round in a private X server (bet 10, Spin, Stop) and captures the
# window's client area as ImageMagick sees it, without the times PNG stores.
#   scripts/screenshot.sh [PNG]   (default: docs/screenshot.png)
# The faces, and so the outcome, are the round's: they differ from run to run.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
png=$(realpath -m "${1:-$top/docs/screenshot.png}")
cd "$top"
scripts/install-deps.sh screenshot
cmake --preset release >/dev/null
cmake --build --preset release --target facereel >/dev/null
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
for _ in {1..100}; do [[ -s $work/display ]] && break; sleep 0.1; done
export DISPLAY=:$(<"$work/display")
# The player's theme and language would be the picture's: Qt's own, in English.
env -u QT_QPA_PLATFORMTHEME -u GTK_THEME LANG=C.UTF-8 LC_ALL= build/release/src/facereel >"$work/game.log" 2>&1 &
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Facereel$' | head -1)
click() { xdotool mousemove $(scripts/design-point.sh "$@") click 1 && sleep 0.6; }
click Bet
xdotool key ctrl+a type 10
click Controller
sleep 1
click Controller
xdotool mousemove 0 0 && sleep 1.5 # at rest, the button not hovered
import -window "$window" -strip -define png:exclude-chunks=date,time "$png"
echo "$png"
