#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (ASan + UBSan) into build-fuzz/ and runs one target,
# or all of them one after another, for SECONDS each:
#   scripts/fuzz.sh TARGET|all SECONDS
# Targets: language_file macro_file profile_values device_table device_replies notice
# cli_arguments. Each starts from its seeds in tests/fuzz/corpus/TARGET; what it learns goes
# to build-fuzz/corpus/TARGET, crashes and hangs to build-fuzz/findings/TARGET. A finding
# becomes a regression input by copying it into tests/fuzz/corpus/TARGET once it is fixed.
# JOBS=N runs N targets at a time with "all" (default 1); FUZZ_SKIP_BUILD=1 uses the build as it is.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${FUZZ_BUILD_DIR:-$root/build-fuzz}
targets=(language_file macro_file profile_values device_table device_replies notice cli_arguments)

if [ $# -ne 2 ]; then
    echo "usage: $0 TARGET|all SECONDS" >&2
    exit 2
fi
which=$1
seconds=$2
if [ "$which" != all ] && [[ ! " ${targets[*]} " == *" $which "* ]]; then
    echo "unknown target: $which (${targets[*]})" >&2
    exit 2
fi

bash "$root/scripts/setup.sh" --fuzz
if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DR8_FUZZ=ON
fi
if [ -n "${FUZZ_SKIP_BUILD:-}" ]; then
    :   # built already (FUZZ_SKIP_BUILD=1)
elif [ "$which" = all ]; then
    cmake --build "$build" --target r8_fuzz
else
    cmake --build "$build" --target "fuzz_$which"
fi

# Qt's own allocations at exit and the leak checker do not mix; faults are what we look for.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
export QT_QPA_PLATFORM=offscreen

run_one() {
    local t=$1
    local corpus=$build/corpus/$t findings=$build/findings/$t
    mkdir -p "$corpus" "$findings"
    # r8ctl may wait on the virtual mouse's slow answers; everything else is quick.
    local timeout=10
    [ "$t" = cli_arguments ] && timeout=60
    # Fork mode keeps fuzzing after a finding, so one known fault does not end the run.
    "$build/fuzz/fuzz_$t" "$corpus" "$root/tests/fuzz/corpus/$t" \
        -fork=1 -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1 \
        -max_total_time="$seconds" -timeout="$timeout" -rss_limit_mb=2048 -max_len=65536 \
        -artifact_prefix="$findings/" >"$build/findings/$t.log" 2>&1 || true
    # The last status line: "#EXECS: cov: ... oom/timeout/crash: O/T/C time: ...".
    local last execs faults found
    last=$(grep -E '^#[0-9]+: cov:' "$build/findings/$t.log" | tail -1 || true)
    execs=$(sed -E 's/^#([0-9]+):.*/\1/' <<<"$last")
    faults=$(grep -oE 'oom/timeout/crash: [0-9]+/[0-9]+/[0-9]+' <<<"$last" | cut -d' ' -f2)
    found=$(find "$findings" -type f | wc -l)
    echo "$t: ${execs:-?} executions in $seconds s, oom/timeout/crash ${faults:-0/0/0}, $found input(s) in $findings (log: $build/findings/$t.log)"
}

if [ "$which" = all ]; then
    jobs=${JOBS:-1}
    for t in "${targets[@]}"; do
        run_one "$t" &
        while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n; done
    done
    wait
else
    run_one "$which"
fi
