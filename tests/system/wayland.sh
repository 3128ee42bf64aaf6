#!/usr/bin/env bash
# No title-bar button on Wayland harms the game: plays the real game on Weston
# (its X11 backend inside Xvfb, so xdotool drives a real pointer and keyboard)
# as it starts by default (through XWayland, Weston's title bar) and with native
# Wayland forced (Qt's title bar, which offers maximise and minimise on every
# window). Each time: a round, then every title-bar button of a box and of the
# window, the window's close last; fails if the game dies before that close.
# Minimised windows come back through Weston's switcher (Super+Tab). Windows
# are found as the largest part of the screen that changed. Not part of
# ./test.sh: it installs Weston. Leaves its logs and screenshots in a folder under /tmp.
# Usage: tests/system/wayland.sh GAME    (e.g. build/dev/src/facereel)
set -euo pipefail
"$(dirname "$0")/../../scripts/install-deps.sh" wayland
game=$(realpath "$1") work=$(mktemp -d)
cd "$work" && mkdir -m 700 runtime
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export XDG_RUNTIME_DIR=$work/runtime DISPLAY=:59
trap 'kill $(jobs -p) 2>/dev/null || true' EXIT
# Never locked, no on-screen keyboard over the windows, no fading: each screenshot shows what is.
printf '[core]\nidle-time=0\n[input-method]\npath=/bin/true\n[shell]\nlocking=false\nanimation=none\n' >weston.ini
printf 'close-animation=none\nstartup-animation=none\nfocus-animation=none\n' >>weston.ini
Xvfb $DISPLAY -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null & sleep 1
weston --config="$work/weston.ini" --backend=x11-backend.so --xwayland --socket=wayland-1 --width=1280 --height=1000 \
    &>weston.log &
for _ in {1..100}; do grep -q 'xserver listening' weston.log && break; sleep 0.1; done
xwayland=$(sed -n 's/.*xserver listening on display //p' weston.log)
xdotool mousemove 640 1010 sleep 0.3 mousemove 640 500 # enter Weston's window: it then follows the pointer
fail() { echo "FAIL: $1 ($how); logs and screenshots: $work"; tail -3 "$work/game.log"; exit 1; }
changed() { # the largest part of the screen (below the panel's clock) that changed since the last call: W H X Y
    import -window root now.png
    [[ -f last.png ]] && convert last.png now.png -crop 1280x960+0+40 +repage -compose difference -composite \
        -threshold 1% -define connected-components:verbose=true -connected-components 8 null: 2>/dev/null |
        awk -F '[ x+]+' '!f && /255,255,255/ { print $3, $4, $5, $6 + 40; f = 1 } END { if (!f) print 0, 0, 0, 0 }'
    mv now.png last.png
}
press() { # title-bar buttons, each as dx from the right and dy from the top of the window at W H X Y
    for b in "${@:6}"; do
        xdotool mousemove $(($3 + $1 + ${b%,*} - 1)) $(($4 + ${b#*,})) sleep 0.2 mousemove_relative 1 0 sleep 0.2 \
            click 1 sleep 1.5
        [[ $5 == closed ]] || kill -0 "$pid" 2>/dev/null || fail "the game died at $b on the $5"
        [[ $b != -63,15 ]] || xdotool keydown super sleep 0.3 key Tab sleep 0.5 key Tab sleep 0.5 keyup super sleep 1
    done
}

for how in default wayland; do
    # Weston's title bar of an X11 window has only close, in a frame with a shadow; Qt's has
    # minimise, maximise (pressed twice) and close.
    platform=() buttons=() close=-40,22
    [[ $how == wayland ]] && platform=(QT_QPA_PLATFORM=wayland) buttons=(-63,15 -40,15 -40,15) close=-17,15
    changed >/dev/null
    env WAYLAND_DISPLAY=wayland-1 DISPLAY="$xwayland" "${platform[@]}" "$game" &>game.log & pid=$! && sleep 3
    read -r -a window < <(changed)
    xdotool key ctrl+a type 10 && xdotool key alt+s sleep 1 key alt+s sleep 2 # a round
    read -r -a round < <(changed)
    [[ ${window[0]} -gt 300 && ${round[0]} -gt 0 ]] || fail "no window, or a round that showed nothing"
    press "${window[@]}" window "${buttons[@]}"
    xdotool key ctrl+a type 0 && changed >/dev/null
    xdotool key alt+s sleep 2 # "Bet something greedy!"
    read -r -a box < <(changed)
    [[ ${box[0]} -gt 100 && ${box[0]} -lt 400 ]] || fail "no box"
    import -window root "$how.png"
    press "${box[@]}" box "${buttons[@]}" "$close"
    press "${window[@]}" closed "$close"
    wait "$pid" || fail "the game ended with status $?"
    echo "$how: a round, then every title-bar button of a box and of the window; the game lived till closed"
done
