#!/usr/bin/env bash
# Draws the pictures of the start (the main window's picture, the tool-bar and window icons; the list
# is kVorgezeichneteBilder in src/app/bilder.h) beforehand from their SVG, for screens of pixel ratio
# 1 and 2, into src/app/bilder/ (<name>-<width>x<height>.png). The program reads these instead of
# drawing the SVG at every start; tst_bilder checks that they still match the SVG. Run this after
# changing one of those SVG files and commit the pictures.
#   tools/pictures-ahead.sh [output folder]      (default: src/app/bilder)
# Needs: cmake, ninja.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/src/app/bilder}"
mkdir -p "$out"

source "$root/tools/screenshot-common.sh"
contact_sheet_bauen
eigener_laufzeitordner
QT_QPA_PLATFORM=offscreen "$contact_sheet" --vorgezeichnet "$out"
ls -l "$out"/*.png
