#!/usr/bin/env bash
# Started where no display can be opened, the game says so in one line and
# exits non-zero without aborting.
set -u
game=$1
output=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$game" 2>&1)
status=$?
lines=$(printf '%s\n' "$output" | grep -c .)
echo "status $status, output: $output"
[[ $status -ne 0 && $status -lt 128 ]] || { echo "expected a plain failure status"; exit 1; }
[[ $lines -eq 1 && $output == *"cannot open a display"* ]] || { echo "expected one clear line"; exit 1; }
