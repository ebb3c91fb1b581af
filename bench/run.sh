#!/usr/bin/env bash
# Every benchmark, one after the other: the commands against the virtual R8, then the window.
#   bench/run.sh [runs]        (default 5 runs of each window figure, 7 rounds per command)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
runs=${1:-5}
echo "== commands"
"$build/bench/bench_command_rate" 7 "$build/bin"
echo
echo "== window, sound off"
"$root/bench/window.sh" "$runs" sound=off
echo
echo "== window, sound on"
"$root/bench/window.sh" "$runs" sound=on
