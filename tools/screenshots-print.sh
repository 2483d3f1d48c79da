#!/usr/bin/env bash
# Screenshots of the print window "Mitglieder Adressen" under xvfb-run with a list of 60
# participants: one page at actual size and two pages side by side, at 1366 x 768 and
# 1920 x 1080; and the same list printed into a PDF file.
#   tools/screenshots-print.sh [output folder] [build folder]
# Needs xvfb-run (package xvfb); builds the target druckfenster_vorschau.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/build/screenshots}"
build="${2:-$root/build/screenshots-build}"
mkdir -p "$out"
out="$(cd "$out" && pwd)"

source "$root/tools/screenshot-common.sh"
vorschau_bauen "$build" druckfenster_vorschau

export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

for size in "1366 768" "1920 1080"; do
    set -- $size
    xvfb-run -a -s "-screen 0 ${1}x${2}x24" "$program" eine "$out/druck-eine-seite-${1}x${2}.png"
    xvfb-run -a -s "-screen 0 ${1}x${2}x24" "$program" zwei "$out/druck-zwei-seiten-${1}x${2}.png"
done
xvfb-run -a -s "-screen 0 1366x768x24" "$program" eine "$out/druck-pdf-fenster.png" \
    "$out/mitglieder-adressen.pdf"
echo "Screenshots and PDF in $out"
