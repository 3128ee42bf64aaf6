#!/usr/bin/env bash
# No title-bar button on Wayland harms the game: plays the real game on Weston
# (its X11 backend inside Xvfb, so xdotool drives a real pointer and keyboard)
# as it starts by default (through XWayland, Weston's title bar) and with native
# Wayland forced (Qt's title bar, which offers maximise and minimise on every
# window). Each time: a round, then every title-bar button of a box and of the
# window, the window's close last; fails if the game dies before that close.
# Minimised windows come back through Weston's switcher (Super+Tab). Windows are found as the largest
# part of the screen that changed. Not part of ./test.sh: it installs Weston.
# Usage: tests/system/wayland.sh GAME    (e.g. build/dev/src/facereel)
set -euo pipefail
if [[ ${1-} != --inside ]]; then
    "$(dirname "$0")/../../scripts/install-deps.sh" wayland
    work=$(mktemp -d)
    mkdir -m 700 "$work/runtime"
    env -i PATH="$PATH" HOME="$work" XDG_RUNTIME_DIR="$work/runtime" LANG=C.UTF-8 \
        "$0" --inside "$(realpath "$1")" "$work" || { echo "FAIL; logs and screenshots: $work"; exit 1; }
    exit 0
fi

cd "$3"
trap 'kill $(jobs -p) 2>/dev/null || true' EXIT
printf '[core]\nidle-time=0\nxwayland=true\n[shell]\nlocking=false\nanimation=none\nclose-animation=none\n' >weston.ini
printf 'startup-animation=none\nfocus-animation=none\n[input-method]\npath=/bin/true\n' >>weston.ini
Xvfb :59 -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null &
sleep 1
DISPLAY=:59 weston --config="$PWD/weston.ini" --backend=x11-backend.so --socket=wayland-1 --width=1280 --height=1000 \
    >weston.log 2>&1 &
for _ in {1..100}; do grep -q 'xserver listening' weston.log && break; sleep 0.1; done
xwayland=$(sed -n 's/.*xserver listening on display //p' weston.log)
export DISPLAY=:59
xdotool mousemove 640 1010 sleep 0.3 mousemove 640 500 # enter Weston's window: it then follows the pointer
changed() { # the largest part of the screen that changed since the last call: W H X Y (W 0: none)
    import -window root now.png
    [[ -f last.png ]] && convert last.png now.png -crop 1280x960+0+40 +repage -compose difference -composite \
        -threshold 1% -define connected-components:verbose=true -connected-components 8 null: 2>/dev/null |
        awk -F '[ x+]+' '/255,255,255/ { print $3, $4, $5, $6 + 40; f = 1; exit } END { if (!f) print 0, 0, 0, 0 }'
    mv now.png last.png # the panel's clock above is left out
}
alive() { kill -0 "$game" 2>/dev/null || { echo "FAIL: the game died at: $1"; tail -3 game.log; exit 1; }; }
press() { # title-bar buttons, each as dx from the right, dy from the top, on the window at W H X Y
    local w=$1 x=$3 y=$4 what=$5
    shift 5
    for b in "$@"; do
        xdotool mousemove $((x + w + ${b%,*} - 1)) $((y + ${b#*,})) sleep 0.2 mousemove_relative 1 0 sleep 0.2 click 1
        sleep 1.5
        [[ $what == closed ]] || alive "$b on the $what"
        [[ $b != -63,15 ]] || xdotool keydown super sleep 0.3 key Tab sleep 0.5 key Tab sleep 0.5 keyup super sleep 1
    done
}

for how in default wayland; do
    # Weston's title bar on X11 windows has only close (in a frame with a shadow); Qt's has
    # minimise, maximise (pressed twice) and close.
    platform=() buttons=() close=-40,22
    [[ $how == wayland ]] && platform=(QT_QPA_PLATFORM=wayland) buttons=(-63,15 -40,15 -40,15) close=-17,15
    changed >/dev/null
    env WAYLAND_DISPLAY=wayland-1 DISPLAY="$xwayland" "${platform[@]}" "$2" >game.log 2>&1 &
    game=$!
    sleep 3
    read -r -a window < <(changed)
    [[ ${window[0]} -gt 300 ]] || { echo "FAIL: no window ($how)"; exit 1; }
    xdotool key ctrl+a type 10
    xdotool key alt+s sleep 1 key alt+s sleep 2 # a round
    read -r -a round < <(changed)
    [[ ${round[0]} -gt 0 ]] || { echo "FAIL: the round showed nothing ($how)"; exit 1; }
    press "${window[@]}" window "${buttons[@]}"
    xdotool key ctrl+a type 0
    changed >/dev/null
    xdotool key alt+s sleep 2 # "Bet something greedy!"
    read -r -a box < <(changed)
    [[ ${box[0]} -gt 100 && ${box[0]} -lt 400 ]] || { echo "FAIL: no box ($how)"; exit 1; }
    import -window root "$how.png"
    press "${box[@]}" box "${buttons[@]}" "$close"
    press "${window[@]}" closed "$close"
    wait "$game" || { echo "FAIL: the game ended with status $? ($how)"; exit 1; }
    echo "$how: a round, then every title-bar button of a box and of the window; the game lived till closed"
done
