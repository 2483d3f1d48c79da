#!/usr/bin/env bash
# Screenshots of the result windows under xvfb-run: the 2-table singles seating and the 3-, 5-
# and 6-table doubles seatings (24 names, one of them 50 characters long), each at
# 1024 x 600, 1366 x 768 and 1920 x 1080.
#   tools/screenshots-results.sh [output folder] [build folder]
# Needs xvfb-run (package xvfb); builds the target ergebnisfenster_vorschau.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/build/screenshots}"
build="${2:-$root/build/screenshots-build}"
mkdir -p "$out"
out="$(cd "$out" && pwd)"

source "$root/tools/screenshot-common.sh"
vorschau_bauen "$build" ergebnisfenster_vorschau

export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

shot() { # <width> <height> <tables> <einzel|doppel> <players> <name>
    xvfb-run -a -s "-screen 0 ${1}x${2}x24" "$program" "$3" "$4" "$5" "$out/$6-${1}x${2}.png"
}
for size in "1024 600" "1366 768" "1920 1080"; do
    set -- $size
    shot "$1" "$2" 2 einzel 4 ergebnis-2-tische-einzel
    shot "$1" "$2" 3 doppel 12 ergebnis-3-tische-doppel
    shot "$1" "$2" 5 doppel 20 ergebnis-5-tische-doppel
    shot "$1" "$2" 6 doppel 24 ergebnis-6-tische-doppel
done
echo "Screenshots in $out"
