#!/usr/bin/env bash
# Builds the benchmarks in Release in a build folder of their own (build/bench) and prints one
# table: each measured step of what a user does, at 200, 2 000 and 20 000 participants, beside
# its floor measured in the same run in turn with it, and the ratio. The figures never pass or
# fail anything. Arguments name benchmarks to run (all when none is given), e.g.
# `bash tools/bench.sh bench_draw bench_sicherung`.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build/bench"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"

all=(bench_start bench_adressen bench_auswahl bench_ansicht bench_draw bench_runden
     bench_sicherung bench_druck)
benches=("$@")
[ ${#benches[@]} -eq 0 ] && benches=("${all[@]}")

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZORBEL_BENCH=ON \
      -DZORBEL_TOOLS=OFF "${launcher[@]}" >/dev/null
cmake --build "$build" -j "${ZORBEL_JOBS:-2}" --target "${benches[@]}" >/dev/null

raw="$(mktemp)"
trap 'rm -f "$raw"' EXIT
for bench in "${benches[@]}"; do
    echo "running $bench ..." >&2
    if ! "$build/bench/$bench" >"$raw.$bench" 2>&1; then
        echo "$bench ended with an error; its output:" >&2
        cat "$raw.$bench" >&2
    fi
    # Every benchmark prints rows in the common form (bench | step | size | time | floor | time |
    # ratio) and, indented below them, notes on what it checked; anything else is left out.
    grep -E '^\S+ +\|.*\| +[0-9.]+x *$|^ {15} +\S' "$raw.$bench" >>"$raw" || true
    rm -f "$raw.$bench"
done

printf "%-15s | %-44s | %7s | %13s | %-44s | %13s | %8s\n" benchmark step size time floor \
       "floor time" ratio
printf -- "-%.0s" {1..160}; echo
cat "$raw"
