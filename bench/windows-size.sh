#!/usr/bin/env bash
# The Windows release's size against a plain Qt Widgets form packed the same
# way: bench/plainform.cpp (the game's window, no art, no script face of its
# own) in place of facereel.exe, beside the same Qt, runtime and licences,
# stripped, then packed and zipped alike by the game's own packing script
# (packaging/windows/pack.cmake). Prints the installed size, the installer and
# the .zip of each, and the ratios (goal: at most 1.05).
# Run after packaging/windows/build.sh; takes a minute.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset windows -DFACEREEL_BENCH=ON >/dev/null
cmake --build --preset windows --target plainform >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install build/windows --prefix "$work/game" --strip >/dev/null
cp -r "$work/game" "$work/plain"
x86_64-w64-mingw32-strip --strip-unneeded -o "$work/plain/facereel.exe" build/windows/plainform.exe
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
printf '%-8s %12s %12s %12s\n' "" installed installer zip
for kind in game plain; do
    mkdir "$work/$kind-packed"
    cmake -DSTAGE="$work/$kind" -DOUT="$work/$kind-packed" -P build/windows/package.cmake &>/dev/null
    installed=$(find "$work/$kind" -type f -printf '%s\n' | awk '{ s += $1 } END { print s }')
    printf '%-8s %12d %12d %12d\n' "$kind" "$installed" $(stat -c %s "$work/$kind-packed"/facereel-*.exe "$work/$kind-packed"/*.zip) |
        tee -a "$work/sizes"
done
awk 'NR == 1 { for (i = 2; i <= 4; i++) g[i] = $i } NR == 2 {
    printf "%-8s %12.3f %12.3f %12.3f\n", "ratio", g[2] / $2, g[3] / $3, g[4] / $4 }' "$work/sizes"
