#!/usr/bin/env bash
# Fuzzes every reader of the program's files: `bash tools/fuzz.sh [seconds per target]`
# (60 by default). Built with clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer
# in build/fuzz. Each target starts from its stored seeds in fuzz/corpus/<target>/; an input
# that crashes or breaks a check is kept there (crash-..., leak-..., timeout-...) so the
# replay in the test suite fails on it until the fault is mended.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
build="$root/build/fuzz"
targets=(settings participants selection tables pool style grid evening)

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZORBEL_FUZZ=ON -DZORBEL_TESTS=OFF -DZORBEL_BENCH=OFF -DZORBEL_TOOLS=OFF \
    -DZORBEL_WERROR=OFF >/dev/null
cmake --build "$build" -j2 --target "${targets[@]/#/fuzz_}"

export QT_QPA_PLATFORM=offscreen
# Qt keeps caches for the whole run; leaks are not what is looked for here.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
failed=0
for target in "${targets[@]}"; do
    seeds="$root/fuzz/corpus/$target"
    work="$(mktemp -d)"
    log="$build/fuzz_$target.log"
    if "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$seeds/" "$work" "$seeds" >"$log" 2>&1; then
        runs="$(grep -m1 'stat::number_of_executed_units' "$log" | awk '{print $2}')"
        echo "fuzz_$target: $runs executions in ${seconds} s, no finding"
    else
        echo "fuzz_$target: FINDING, input kept in $seeds (log: $log)" >&2
        tail -n 30 "$log" >&2
        failed=1
    fi
    rm -rf "$work"
done
exit "$failed"
