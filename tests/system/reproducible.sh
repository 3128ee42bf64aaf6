#!/usr/bin/env bash
# The release from a second clone of this commit, in another folder, its files
# touched at another time, against the same cached Qt for Windows: the
# Windows installer, .zip and program, and the .deb, must be the same bytes
# as this clone's. Run after packaging/windows/build.sh on a clean checkout
# (what is not committed is not in the second clone); .ci/run runs it.
# Usage: tests/system/reproducible.sh
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
deb() { # the .deb of the clone in $1, built afresh with the commit's time, as Debian's tools build it
    (cd "$1" && rm -rf build/deb && export SOURCE_DATE_EPOCH=$(git log -1 --format=%ct) &&
        cmake --preset release -B build/deb >/dev/null && cmake --build build/deb >/dev/null &&
        cpack --config build/deb/CPackConfig.cmake -B build/deb/package >/dev/null)
}
git clone -q --no-hardlinks "$top" "$work/again"
find "$work/again" -path '*/.git' -prune -o -exec touch -h -d '2001-02-03 04:05:06' {} +
(cd "$work/again" && packaging/windows/build.sh) >"$work/build.log" 2>&1 ||
    { tail -30 "$work/build.log"; echo "FAIL: the second clone did not build"; exit 1; }
deb "$top" && deb "$work/again"
version=$(sed -n 's/^ *set(FACEREEL_VERSION \([0-9.]*\))$/\1/p' "$top/CMakeLists.txt")
name=facereel-$version-windows-x64
differ=0
for made in "windows/package/$name.exe" "windows/package/$name.zip" "windows/package/$name/facereel.exe" \
    "deb/package/facereel_${version}_amd64.deb"; do
    read -r first _ < <(sha256sum "$top/build/$made")
    read -r second _ < <(sha256sum "$work/again/build/$made")
    [[ $first == "$second" ]] && echo "$first  $made" || { echo "FAIL: build/$made differs: $first $second"; differ=1; }
done
exit $differ
