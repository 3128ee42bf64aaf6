#!/usr/bin/env bash
# The reels spinning under the Orca screen reader (speech off, debug log on),
# against a bare window whose four 73 x 73 labels flicker every 50 ms
# (barewindow --reels): the accessibility events each program sends, its CPU
# and Orca's, over the same span, interleaved, medians.
#   FACEREEL_BENCH_RUNS=4 bench/screenreader.sh [GAME]    (GAME: build/bench/src/facereel)
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/common.sh

if [[ ${1-} == --measure ]]; then
    game=$2 work=$3 runs=${FACEREEL_BENCH_RUNS:-4}
    span=20 # seconds of each sample
    tck=$(getconf CLK_TCK)
    trap 'kill $(jobs -p) 2>/dev/null || true' EXIT
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
    for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
    export DISPLAY=:$(head -n 1 "$work/display") QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    /usr/libexec/at-spi-bus-launcher --launch-immediately 2>/dev/null &
    sleep 1
    orca -d speech --debug-file "$work/orca.log" >/dev/null 2>&1 &
    orca=$!
    sleep 8 # Orca registers its listeners
    read -r bet_x bet_y < <(point Bet)
    read -r spin_x spin_y < <(point Controller)

    # On-CPU nanoseconds of all threads of process $1: finer than ticks(),
    # whose 10 ms steps are a fifth of the reference's 20 s.
    oncpu() { cat /proc/"$1"/task/*/schedstat | awk '{s += $1} END {print s}'; }
    # Samples the running program $pid: its events by type go to $1.events,
    # events/s, its CPU and Orca's (% of a core) to $1.rate, $1.cpu ($1.ns
    # from schedstat), $1.orca.
    sample() {
        /usr/bin/python3 bench/a11yevents.py "$span" >"$work/counts" &
        local listener=$! a b c d e f
        while ! grep -q ready "$work/counts"; do sleep 0.05; done
        a=$(ticks "$pid") c=$(ticks "$orca") e=$(oncpu "$pid")
        wait "$listener"
        b=$(ticks "$pid") d=$(ticks "$orca") f=$(oncpu "$pid")
        awk -v pid="$pid" '$1 == pid {print $2, $3}' "$work/counts" >>"$work/$1.events"
        awk -v pid="$pid" -v s="$span" '$1 == pid {n += $3} END {printf "%.1f\n", n / s}' "$work/counts" >>"$work/$1.rate"
        calc '%.2f\n' "100 * ($b - $a) / $tck / $span" >>"$work/$1.cpu"
        calc '%.3f\n' "($f - $e) / 1e7 / $span" >>"$work/$1.ns"
        calc '%.2f\n' "100 * ($d - $c) / $tck / $span" >>"$work/$1.orca"
    }
    for ((r = 0; r < runs; r++)); do
        for who in $( ((r % 2)) && echo "game reels" || echo "reels game"); do
            if [[ $who == game ]]; then
                "$game" >>"$work/game.out" 2>&1 &
                pid=$!
                timeout 30 xdotool search --sync --onlyvisible --name '^Facereel$' >/dev/null
                sleep 2
                xdotool mousemove "$bet_x" "$bet_y" click 1 key ctrl+a type 10
                xdotool mousemove "$spin_x" "$spin_y" click 1 mousemove 0 0
            else
                build/bench/bench/barewindow --reels >/dev/null 2>&1 &
                pid=$!
                timeout 30 xdotool search --sync --onlyvisible --name '^Facereel$' >/dev/null
            fi
            sleep 3 # Orca has taken in the new window
            sample "$who"
            kill "$pid"
            wait "$pid" 2>/dev/null || true
            sleep 1
        done
    done

    med() { calc "${2:-%.4f}" "$(median <"$work/$1")"; }
    row() { printf '%-48s %9s %10s %6s  %-22s %s\n' "$@" | sed 's/ *$//'; }
    verdict() { awk "BEGIN {print ($1) ? \"met\" : \"MISSED\"}"; }
    echo
    row "Reels spinning under Orca, $span s, median of $runs" "Facereel" "reference" "ratio" "goal" "verdict"
    row "Accessibility events/s from the program" "$(med game.rate %.1f)" "$(med reels.rate %.1f)" "" "<= 2" \
        "$(verdict "$(med game.rate) <= 2")"
    for f in game reels; do touch "$work/$f.events"; done
    awk -v n="$runs" -v s="$span" '{k[$1]; c[FILENAME, $1] += $2}
        END {for (t in k) printf "  %-46s %9.1f %10.1f\n", t, c[ARGV[1], t] / n / s, c[ARGV[2], t] / n / s}' \
        "$work/game.events" "$work/reels.events" | sort
    row "CPU of the program, % of a core" "$(med game.cpu %.2f)" "$(med reels.cpu %.2f)" \
        "$(calc %.2f "$(med game.cpu) / $(med reels.cpu)")" "<= 1.10 x reference" \
        "$(verdict "$(med game.cpu) <= 1.10 * $(med reels.cpu)")"
    row "  the same from schedstat" "$(med game.ns %.3f)" "$(med reels.ns %.3f)" \
        "$(calc %.2f "$(med game.ns) / $(med reels.ns)")" "<= 1.10 x reference" \
        "$(verdict "$(med game.ns) <= 1.10 * $(med reels.ns)")"
    row "CPU of Orca, % of a core" "$(med game.orca %.2f)" "$(med reels.orca %.2f)" "" "<= 1" \
        "$(verdict "$(med game.orca) <= 1")"
    exit 0
fi

scripts/install-deps.sh bench-screenreader
cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null
game=$(realpath "${1:-build/bench/src/facereel}")
work=$(mktemp -d)
mkdir -m 700 "$work/home" "$work/runtime"
echo "Under a screen reader, $(date -u '+%Y-%m-%d %H:%M UTC'), load average $(cut -d' ' -f1-3 /proc/loadavg)"
env -i PATH="$PATH" FACEREEL_BENCH_RUNS="${FACEREEL_BENCH_RUNS:-4}" HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" LANG=C.UTF-8 \
    dbus-run-session -- "$0" --measure "$game" "$work" 2> >(grep -v -e 'fd limit' -e 'dbus-daemon\[' -e SpiRegistry >&2)
echo "Load average at the end: $(cut -d' ' -f1-3 /proc/loadavg); Orca's log and the counts: $work"
