#!/usr/bin/env bash
# Builds Qt for Windows from Debian's own qt6-base source, the version of the
# host's Qt tools, and prints the folder it is installed in. Built once: the
# result is kept outside the clone (FACEREEL_CACHE, else ~/.cache/facereel),
# keyed by its options, the toolchain file, the compiler and the Qt version,
# so every clone on the machine shares it and a change of any builds anew.
# Takes 15-25 minutes on two cores; its log stays in the cache beside it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
compiler=$(x86_64-w64-mingw32-g++-posix -dumpfullversion)
# Only what the game and its tests use: Core, Gui, Widgets, Test and the
# Windows platform. Debian's source has no wintab.h (its licence), so no
# tablet events; without OpenGL the Windows platform compiles only without
# dynamic GL as well. Stack protection and checked string functions as the game.
# Reproducible: the build folder (@work@, filled in below) mapped away, so two
# caches in different places give the same DLLs; the toolchain file leaves out
# the link time.
flags="-fstack-protector-strong -D_FORTIFY_SOURCE=2 -ffile-prefix-map=@work@=/qt"
options=(-DCMAKE_BUILD_TYPE=Release -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    "-DCMAKE_C_FLAGS=$flags" "-DCMAKE_CXX_FLAGS=$flags"
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF
    -DFEATURE_tabletevent=OFF -DFEATURE_zstd=OFF -DFEATURE_icu=OFF)
key=$(printf '%s\n' "$version" "$compiler" "${options[@]}" | cat - "$here/toolchain.cmake" | sha256sum | cut -c1-16)
cache=${FACEREEL_CACHE:-${XDG_CACHE_HOME:-${HOME:-/tmp}/.cache}/facereel}
prefix=$cache/qt-windows-$key
[[ -f $prefix/.complete ]] && { echo "$prefix"; exit 0; }
mkdir -p "$cache"
exec 9>"$cache/qt-windows.lock"
flock 9 # another clone may be building it right now
[[ -f $prefix/.complete ]] && { echo "$prefix"; exit 0; }

work=$cache/qt-windows-$key.work
rm -rf "$work" "$prefix"
mkdir -p "$work/apt/lists/partial" "$work/apt/parts" "$work/apt/cache/archives/partial"
log=$work/build.log
echo "Building Qt $version for Windows (once, 15-25 minutes; log: $log)" >&2
step() { echo "  $1" >&2; }
failed() { echo "Building Qt for Windows failed; the end of $log:" >&2; tail -30 "$log" >&2; exit 1; }

# The source entries of the archives the system already takes its packages
# from, in a private apt state: the system's own lists stay as they are.
step "fetching Debian's qt6-base $version source"
shopt -s nullglob
for f in /etc/apt/sources.list.d/*.sources; do
    sed -E 's/^Types:.*/Types: deb-src/' "$f" >"$work/apt/parts/$(basename "$f")"
done
cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null | sed -n 's/^deb /deb-src /p' \
    >"$work/apt/parts/system.list" || true
apt=(apt-get -o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$work/apt/parts"
    -o Dir::State::Lists="$work/apt/lists" -o Dir::Cache="$work/apt/cache" -o APT::Sandbox::User="$(id -un)")
"${apt[@]}" update >>"$log" 2>&1 || true # an archive without sources is no matter if Debian's has them
(cd "$work" && "${apt[@]}" source --download-only "qt6-base=$version" >>"$log" 2>&1) || failed
(cd "$work" && dpkg-source -x qt6-base_*.dsc source >>"$log" 2>&1) || failed # with Debian's patches

# Qt's resource compiler stores each file's time: the source package's date.
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$work/source/debian/changelog" -STimestamp)
export SOURCE_DATE_EPOCH
step "configuring"
cmake -G Ninja -S "$work/source" -B "$work/build" "${options[@]//@work@/$work}" -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DCMAKE_TOOLCHAIN_FILE="$here/toolchain.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >>"$log" 2>&1 || failed
step "building"
cmake --build "$work/build" >>"$log" 2>&1 || failed
cmake --install "$work/build" --strip >>"$log" 2>&1 || failed
cp "$work/source/LICENSES/LGPL-3.0-only.txt" "$work/source/LICENSES/GPL-3.0-only.txt" "$prefix/" # shipped beside its DLLs
mv "$log" "$prefix/build.log"
rm -rf "$work"
touch "$prefix/.complete"
echo "$prefix"
