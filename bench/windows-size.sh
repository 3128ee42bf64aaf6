#!/usr/bin/env bash
# The Windows release's size against a plain Qt Widgets form packed the same
# way: bench/plainform.cpp (the game's window, no art, no script face of its
# own) in place of facereel.exe, beside the same Qt, runtime and licences,
# stripped, then packed by the installer script CPack made for the game and
# zipped alike. Prints the installed size, the installer and the .zip of
# each, and the ratios (goal: at most 1.05).
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
nsi=build/windows/package/_CPack_Packages/win64/NSIS/project.nsi
cp "$(dirname "$nsi")/NSIS.InstallOptions.ini" "$work/" # the script names it beside itself
printf '%-8s %12s %12s %12s\n' "" installed installer zip
for kind in game plain; do
    sed -e "s|^  !define INST_DIR .*|  !define INST_DIR \"$work/$kind\"|" \
        -e "s|^  OutFile .*|  OutFile \"$work/$kind.exe\"|" "$nsi" >"$work/$kind.nsi"
    makensis -V1 "$work/$kind.nsi" >/dev/null
    (cd "$work" && cmake -E tar cf "$kind.zip" --format=zip "$kind")
    installed=$(find "$work/$kind" -type f -printf '%s\n' | awk '{ s += $1 } END { print s }')
    printf '%-8s %12d %12d %12d\n' "$kind" "$installed" "$(stat -c %s "$work/$kind.exe")" \
        "$(stat -c %s "$work/$kind.zip")" | tee -a "$work/sizes"
done
awk 'NR == 1 { for (i = 2; i <= 4; i++) g[i] = $i } NR == 2 {
    printf "%-8s %12.3f %12.3f %12.3f\n", "ratio", g[2] / $2, g[3] / $3, g[4] / $4 }' "$work/sizes"
