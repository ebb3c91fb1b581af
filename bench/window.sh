#!/usr/bin/env bash
# Window figures of r8config --emulate on a virtual screen, from a fresh copy of the program
# folder: launch -> window mapped (wall clock, and the CPU it took), resident memory 8 s after
# launch, CPU from launch to the end of the power-on animation (sampled 0.5 s after its
# end), CPU over 10 idle seconds. Prints median (min .. max) and each run's figures.
#
#   bench/window.sh [runs] [sound=on|off]      (default: 5 runs after one warm-up, sound off)
#
# Needs Xvfb, xdotool and a build. CPU figures are the process's own utime+stime from
# /proc/PID/stat (clock ticks, 100 a second), so other load on the machine barely moves
# them; the launch figure is wall-clock time and does move with load.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-5}
sound=${2:-sound=off}
sound=${sound#sound=}
bin=${BUILD_DIR:-$root/build}/bin

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi

work=$(mktemp -d)
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# The power-on animation at the shipped speed (800 ms): logo fade 0.8 s, rise 1.2 s,
# backgrounds 0.8 s, menus 0.8 s, page area 0.4 s.
animation_end=4.0
ticks=$(getconf CLK_TCK)

now() { date +%s.%N; }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
rss_mb() { awk '/^VmRSS:/ {printf "%.1f", $2 / 1024}' "/proc/$1/status"; }
calc() { awk "BEGIN { printf \"%.6f\\n\", $* }"; }
sleep_until() { # absolute time in seconds since the epoch
    local left
    left=$(calc "$1 - $(now)")
    if awk "BEGIN { exit !($left > 0) }"; then sleep "$left"; fi
}

one_run() {
    rm -rf "$work/bin"
    cp -r "$bin" "$work/bin"
    # Preference 2: sound position, 0 on, 1 off.
    local position=0
    [ "$sound" = off ] && position=1
    sed -i "s/^2=.*/2=$position/" "$work/bin/modules/setting/apConfig.bin"

    local start mapped
    start=$(now)
    "$work/bin/r8config" --emulate >/dev/null 2>"$work/stderr" &
    pid=$!
    until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
        if ! kill -0 "$pid" 2>/dev/null; then
            echo "r8config ended before its window appeared:" >&2
            tail -3 "$work/stderr" >&2
            pid=
            return 1
        fi
    done
    mapped=$(now)
    local map_cpu
    map_cpu=$(cpu_ticks "$pid")
    sleep_until "$(calc "$mapped + $animation_end + 0.5")"
    local anim_cpu
    anim_cpu=$(cpu_ticks "$pid")
    sleep_until "$(calc "$start + 8")"
    local rss idle0 idle1
    rss=$(rss_mb "$pid")
    idle0=$(cpu_ticks "$pid")
    sleep_until "$(calc "$start + 18")"
    idle1=$(cpu_ticks "$pid")
    kill "$pid"
    wait "$pid" 2>/dev/null || true # it ends by the signal
    pid=
    printf '%.3f %s %.2f %d %.2f\n' "$(calc "$mapped - $start")" "$rss" \
        "$(calc "$anim_cpu / $ticks")" "$((idle1 - idle0))" "$(calc "$map_cpu / $ticks")"
}

stats() { # column -> "median (min .. max)"
    sort -g | awk '{v[NR] = $1} END {
        m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        printf "%g (%g .. %g)", m, v[1], v[NR]}'
}

echo "r8config --emulate, sound $sound, $runs runs after one warm-up, $(nproc) cores"
one_run >/dev/null || true
results=$work/results
: >"$results"
for ((i = 1; i <= runs; ++i)); do
    if line=$(one_run); then
        echo "$line" >>"$results"
        echo "  run $i: $line"
    fi
done
printf '%-44s %s\n' "launch -> window mapped, s" "$(cut -d' ' -f1 "$results" | stats)"
printf '%-44s %s\n' "CPU launch -> window mapped, s" "$(cut -d' ' -f5 "$results" | stats)"
printf '%-44s %s\n' "resident memory 8 s after launch, MB" "$(cut -d' ' -f2 "$results" | stats)"
printf '%-44s %s\n' "CPU launch -> end of power-on animation, s" "$(cut -d' ' -f3 "$results" | stats)"
printf '%-44s %s\n' "CPU over 10 idle s, ticks" "$(cut -d' ' -f4 "$results" | stats)"
