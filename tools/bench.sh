#!/usr/bin/env bash
# Builds the benchmarks in Release in a build folder of their own (build/bench) and prints one
# table: each measured step beside its floor, measured in the same process in turn with it, and
# the ratio. The figures never pass or fail anything. Arguments name benchmarks to run (all
# when none is given), e.g. `bash tools/bench.sh bench_draw bench_sicherung`.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build/bench"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"

all=(bench_start bench_adressen bench_auswahl bench_draw bench_sicherung bench_ansicht
     bench_druck)
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
    # Rows printed in the common form (bench | step | size | ms | floor | ms | ratio) pass as they
    # are; the other benchmarks' own lines are turned into such rows.
    perl -ne '
        BEGIN { $b = shift @ARGV; }
        sub row { printf "%-15s | %-44s | %7s | %10.3f ms | %-44s | %10.3f ms | %7.2fx\n",
                  $b, $_[0], $_[1], $_[2], $_[3], $_[4], $_[4] > 0 ? $_[2] / $_[4] : 0; }
        if (/^\S+\s+\|.*\|\s+[\d.]+x\s*$/) { print; next; }
        if ($b eq "bench_ansicht" && /^\s*(\d+)\s+([\d.]+)\s+([\d.]+)\s+([\d.]+)\s/) {
            row("open view, first time", $1, $3, "read the file", $2);
            row("open view again", $1, $4, "read the file", $2);
            next;
        }
        if ($b eq "bench_druck" && /^(\d+)\s+(\d+)\s+([\d.]+)\s+([\d.]+)\s+([\d.]+)\s/) {
            row("build the list pages ($2 pages)", $1, $4, "read the file", $3);
            row("print them into a PDF", $1, $5, "read the file", $3);
            next;
        }
    ' "$bench" "$raw.$bench" >>"$raw"
    rm -f "$raw.$bench"
done

printf "%-15s | %-44s | %7s | %13s | %-44s | %13s | %8s\n" benchmark step size time floor \
       "floor time" ratio
printf -- "-%.0s" {1..160}; echo
cat "$raw"
