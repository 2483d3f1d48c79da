#!/usr/bin/env bash
# Draws the main window's picture beforehand from its SVG, for screens of pixel ratio 1 and 2, into
# src/app/bilder/ (tischfussball-<width>x<height>.png). The program reads these instead of drawing
# the SVG at every start; tst_bilder checks that they still match the SVG. Run this after changing
# tischfussball.svg and commit the pictures.
#   tools/pictures-ahead.sh [output folder]      (default: src/app/bilder)
# Needs: cmake, ninja.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/src/app/bilder}"
build="${CONTACT_SHEET_BUILD:-$root/build-contact-sheet}"
mkdir -p "$out"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZORBEL_TESTS=OFF -DZORBEL_BENCH=OFF \
    -DZORBEL_TOOLS=ON >/dev/null
cmake --build "$build" --target zorbel-contact-sheet

runtime="$(mktemp -d)"
chmod 700 "$runtime"
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime"
QT_QPA_PLATFORM=offscreen "$build/tools/contact-sheet/zorbel-contact-sheet" --vorgezeichnet "$out"
ls -l "$out"/*.png
