#!/usr/bin/env bash
# Screenshots of the whole screen under xvfb-run with a window manager (openbox, when installed):
# the main window maximised and, one picture each, every window its commands open (players,
# selection, picked players, the five result windows, backup, styles, print, further programs,
# help), filled with sample players. Shows whether every window fits a small screen.
#   tools/screenshots-screen.sh [output folder] [WIDTHxHEIGHT ...]   (default: 1024x600)
# Pictures: <output folder>/<WIDTHxHEIGHT>-<NN>-<window>.png (default folder build/screenshots).
# Needs: cmake, ninja, xvfb-run; openbox for window frames.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/build/screenshots}"
[ $# -gt 0 ] && shift
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(1024x600)
mkdir -p "$out"
out="$(cd "$out" && pwd)"

source "$root/tools/screenshot-common.sh"
contact_sheet_bauen
eigener_laufzeitordner
unset QT_QPA_PLATFORM
for size in "${sizes[@]}"; do
    rm -f "$out/$size"-[0-9][0-9]-*.png
    xvfb-run -a -s "-screen 0 ${size}x24" bash -c '
        if command -v openbox >/dev/null; then openbox & sleep 0.5; fi
        "$0" --bildschirm "$1"' "$contact_sheet" "$out"
done
echo "Screenshots in $out"
ls "$out"/*x*-[0-9][0-9]-*.png
