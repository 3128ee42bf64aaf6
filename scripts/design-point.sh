#!/usr/bin/env bash
# Prints the screen point "X Y" at the middle of a control of the window's
# design table (src/window/design.h), for scripts that click the real window:
#   scripts/design-point.sh [--origin X Y] NAME [INDEX]
# The client area's top-left is where the design places it, or at X Y.
set -euo pipefail
table="$(dirname "$0")/../src/window/design.h"
origin=()
if [[ ${1-} == --origin ]]; then
    origin=("$2" "$3")
    shift 3
fi
name=${1:?usage: design-point.sh [--origin X Y] NAME [INDEX]}
index=${2:--1}
awk -v name="$name" -v index_="$index" -v ox="${origin[0]-}" -v oy="${origin[1]-}" '
    function px(twips) { return int(twips / 15) }
    { gsub(/[{}",;]/, " ") }
    $1 == "inline" && $4 == "window" { left = px($6); top = px($7) }
    $1 == name && $2 == index_ && $3 ~ /^Kind::/ { found = $4 " " $5 " " $6 " " $7 }
    END {
        if (found == "") { print "design-point.sh: no control " name " " index_ > "/dev/stderr"; exit 1 }
        split(found, c, " ")
        if (ox != "") { left = ox; top = oy }
        print left + px(c[1] + c[3] / 2), top + px(c[2] + c[4] / 2)
    }' "$table"
