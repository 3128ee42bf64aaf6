#!/usr/bin/env bash
# The game stores nothing and opens no network socket: one round through the
# real window under strace -f, on Xvfb with a session bus and the
# accessibility bus up, as on a desktop. Allowed, by name:
#   files:   /dev/null; the toolkit's runtime folder ($XDG_RUNTIME_DIR) and
#            the font and GL caches ~/.cache/fontconfig, ~/.cache/mesa_shader_cache
#   sockets: local ones only, to the display, the session bus (where the
#            accessibility bus is looked up) and the accessibility bus.
# Usage: storesnothing.sh PLAYER, where PLAYER plays one round and exits 0.
set -euo pipefail

if [[ ${1-} == --inside ]]; then
    # Under Xvfb and a private session bus: bring up the accessibility bus as
    # a desktop session does, note the addresses, then play under strace.
    player=$2 work=$3
    dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        >"$work/a11y-bus"
    echo "$DBUS_SESSION_BUS_ADDRESS" >"$work/session-bus"
    echo "$DISPLAY" >"$work/display"
    exec strace -f -ff -qq -s 4096 -o "$work/trace" \
        -e trace=%file,socket,connect,bind,listen,accept,accept4 "$player"
fi

player=$1
for tool in strace xvfb-run xauth dbus-run-session dbus-send; do
    command -v "$tool" >/dev/null || { echo "$tool is missing: scripts/install-deps.sh test installs it"; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/home" "$work/runtime"
home=$work/home runtime=$work/runtime

set +e
env -i PATH="$PATH" HOME="$home" XDG_RUNTIME_DIR="$runtime" LANG=C.UTF-8 \
    QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    ${ASAN_OPTIONS:+ASAN_OPTIONS=$ASAN_OPTIONS} ${UBSAN_OPTIONS:+UBSAN_OPTIONS=$UBSAN_OPTIONS} \
    xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- "$0" --inside "$player" "$work" >"$work/out" 2>&1
status=$?
set -e
grep -v 'fd limit' "$work/out" || true
[[ $status -eq 0 ]] || { echo "FAIL: the round did not play through (status $status)"; exit 1; }

# Bus addresses: unix:path=P or unix:abstract=P; a connect names them P or @P.
busPath() { sed -n 's/.*unix:\(path\|abstract\)=\([^,]*\).*/\2/p' "$1" | head -n1; }
session=$(busPath "$work/session-bus")
a11y=$(busPath "$work/a11y-bus")
display=$(sed 's/^[^:]*:\([0-9]*\).*/\1/' "$work/display")
xsocket=/tmp/.X11-unix/X$display
cat "$work"/trace.* >"$work/trace"

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
allowedFile() {
    case $1 in
    /dev/null | "$runtime" | "$home/.cache" | "$home/.cache/fontconfig" | "$home/.cache/fontconfig/"* | \
        "$home/.cache/mesa_shader_cache" | "$home/.cache/mesa_shader_cache/"*) return 0 ;;
    esac
    return 1
}
firstPath() { sed -n 's/^[a-z0-9_]*([^"]*"\([^"]*\)".*/\1/p' <<<"$1"; }

# Files opened for writing or created, and names made, moved or removed.
opens=0 writes=0
while IFS= read -r line; do
    opens=$((opens + 1))
    [[ $line =~ O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND|^creat ]] || continue
    [[ $line =~ \)\ +=\ [0-9]+ ]] || continue # refused by the system: nothing written
    writes=$((writes + 1))
    path=$(firstPath "$line")
    allowedFile "$path" || fail "writes a file: $line"
done < <(grep -E '^(open|openat|openat2|creat)\(' "$work/trace")
while IFS= read -r line; do
    path=$(firstPath "$line")
    allowedFile "$path" || fail "changes the file system: $line"
done < <(grep -E '^(mkdir|mkdirat|rename|renameat|renameat2|link|linkat|symlink|symlinkat|unlink|unlinkat|rmdir|truncate|mknod|mknodat)\(.*\) += 0$' "$work/trace")

# Sockets: local only, and only to the display and the two buses.
sockets=$(grep -c '^socket(' "$work/trace" || true)
while IFS= read -r line; do
    fail "opens a network socket: $line"
done < <(grep -E '^socket\(' "$work/trace" | grep -v '^socket(AF_UNIX,')
seen=()
while IFS= read -r line; do
    target=$(sed -n 's/.*sun_path=@\{0,1\}"\([^"]*\)".*/\1/p' <<<"$line")
    case $target in
    "$xsocket") seen+=(display) ;;
    "$session") seen+=(session-bus) ;;
    "$a11y") seen+=(accessibility-bus) ;;
    *) fail "connects elsewhere: $line" ;;
    esac
done < <(grep -E '^connect\(' "$work/trace")
while IFS= read -r line; do
    fail "serves a socket: $line"
done < <(grep -E '^(bind|listen|accept|accept4)\(' "$work/trace")

# Nothing left behind in the home folder either, whoever wrote it.
while IFS= read -r path; do
    allowedFile "$path" || fail "left behind: $path"
done < <(find "$home" -mindepth 1)

connected=$(printf '%s\n' "${seen[@]}" | sort -u | paste -sd, -)
echo "traced $opens opens ($writes for writing), $sockets sockets, connected to: ${connected:-nothing}"
if [[ $failures -ne 0 ]]; then
    echo "$failures finding(s); trace kept in $work/trace.kept"
    cp "$work/trace" "$work/trace.kept" && trap - EXIT
    exit 1
fi
echo "stores nothing: no file written, no network socket"
