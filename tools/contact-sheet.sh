#!/usr/bin/env bash
# Contact sheet: screenshots of the program's windows in every style, made under xvfb-run.
#
#   tools/contact-sheet.sh [output folder] [style name ...]
#
# The windows are those listed in tools/contact-sheet/fenster.cpp (sheetWindows()); add a window
# there and it appears on every sheet. Results in the output folder (default build-contact-sheet/sheet):
#   contact-sheet.png        one labelled tile per style, its windows side by side
#   sheet-<window>.png       one sheet per window, every style
#   shots/NN_<style>_K-<window>.png   the single screenshots
# Needs: cmake, ninja, xvfb-run, ImageMagick (convert, montage).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/build-contact-sheet/sheet}
[ $# -gt 0 ] && shift
tile_size=${CONTACT_SHEET_TILE:-900x620}

source "$root/tools/screenshot-common.sh"
contact_sheet_bauen
eigener_laufzeitordner

mkdir -p "$out"
rm -rf "$out/shots" "$out/tiles"
mkdir -p "$out/shots" "$out/tiles"
xvfb-run -a -s "-screen 0 1366x768x24" "$contact_sheet" "$out/shots" "$@"

shopt -s nullglob
# One tile per style: its windows side by side, top-aligned, scaled down to the tile size.
tile_args=()
for first in "$out"/shots/*_1-*.png; do
    base=$(basename "$first")
    prefix=${base%%_1-*}                 # NN_Style_Name
    label=${prefix#*_}
    label=${label//_/ }
    tile="$out/tiles/$prefix.png"
    convert "$out"/shots/"$prefix"_[0-9]-*.png -background '#7f7f7f' -gravity North -splice 0x0 \
        +append -resize "$tile_size>" "$tile"
    tile_args+=(-label "$label" "$tile")
done
if [ ${#tile_args[@]} -eq 0 ]; then
    echo "contact-sheet: no screenshots were made" >&2
    exit 1
fi
montage "${tile_args[@]}" -tile 5x -geometry +8+8 -pointsize 18 -background '#dddddd' \
    -title "Zorbel-Master: alle Styles" "$out/contact-sheet.png"

# One sheet per window, every style, each shot scaled down to at most 560x480.
rm -f "$out"/sheet-*.png
mkdir -p "$out/small"
for window in $(cd "$out/shots" && ls *.png | sed 's/^.*_[0-9]-//; s/\.png$//' | sort -u); do
    args=()
    for shot in "$out"/shots/*-"$window".png; do
        base=$(basename "$shot")
        convert "$shot" -resize '560x480>' "$out/small/$base"
        label=${base%_[0-9]-*}
        label=${label#*_}
        args+=(-label "${label//_/ }" "$out/small/$base")
    done
    montage "${args[@]}" -tile 7x -geometry +6+6 -pointsize 14 -background '#dddddd' \
        "$out/sheet-$window.png"
done
rm -rf "$out/small"
echo "contact sheet: $out/contact-sheet.png"
ls "$out"/sheet-*.png
