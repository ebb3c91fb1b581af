#!/usr/bin/env bash
# Sanitizer runs, each in a build folder of its own:
#   scripts/sanitize.sh address   the whole suite under AddressSanitizer + UndefinedBehaviorSanitizer
#                                 (build-asan/)
#   scripts/sanitize.sh thread    the device stack's tests under ThreadSanitizer (build-tsan/):
#                                 the device watch, the pool transfers, the shared flags and the
#                                 device list
#   scripts/sanitize.sh           both
# Extra arguments go to ctest (e.g. -R tst_transport). Exit status: non-zero when a build
# fails or any test (or sanitizer report) fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
which=${1:-all}
[ $# -gt 0 ] && shift
export QT_QPA_PLATFORM=offscreen

# The device stack's tests: the watch, the pool transfers, the shared flags, the device list.
thread_tests=(tst_device_table tst_commands tst_transport tst_supervision
              tst_macro_library)

configure() {
    local dir=$1 sanitizers=$2
    shift 2
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            -DR8_SANITIZE="$sanitizers"
    fi
    if [ $# -gt 0 ]; then
        cmake --build "$dir" --target "$@"
    else
        cmake --build "$dir"
    fi
}

status=0
if [ "$which" = address ] || [ "$which" = all ]; then
    configure "$root/build-asan" address,undefined
    # Leaks of Qt's process-wide objects at exit are not ours; memory faults and UB are.
    ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --test-dir "$root/build-asan" -j2 --output-on-failure "$@" || status=1
fi
if [ "$which" = thread ] || [ "$which" = all ]; then
    configure "$root/build-tsan" thread "${thread_tests[@]}"
    TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$root/scripts/tsan.supp" \
        ctest --test-dir "$root/build-tsan" -j2 --output-on-failure --no-tests=error \
        -R "^($(IFS='|'; echo "${thread_tests[*]}"))\$" \
        "$@" || status=1
fi
exit $status
