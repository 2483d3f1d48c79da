#!/usr/bin/env bash
# Screenshots of the seating of 6 tables in doubles (24 names, one of them 50 characters long)
# under xvfb-run with a window manager: the print window with the page in its preview at
# 1366 x 768, and the large display at 1024 x 768 (projector) and 1920 x 1080 (TV); the page
# is also saved as PDF.
#   tools/screenshots-seating.sh [output folder] [build folder]
# Needs xvfb-run (package xvfb) and openbox; builds the target tischbelegung_vorschau.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/build/screenshots}"
build="${2:-$root/build/screenshots-build}"
mkdir -p "$out"
out="$(cd "$out" && pwd)"

source "$root/tools/screenshot-common.sh"
vorschau_bauen "$build" tischbelegung_vorschau

export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

# <width> <height> <program arguments>: the program under a window manager on a screen of
# that size.
shot() {
    local breite="$1" hoehe="$2"
    shift 2
    xvfb-run -a -s "-screen 0 ${breite}x${hoehe}x24" bash -c '
        openbox >/dev/null 2>&1 &
        wm=$!
        sleep 1
        "$@"
        status=$?
        kill "$wm" 2>/dev/null || true
        exit "$status"' shot "$@"
}
shot 1366 768 "$program" druck "$out/tischbelegung-druckvorschau-1366x768.png" \
    "$out/Tischbelegung.pdf"
shot 1024 768 "$program" gross "$out/tischbelegung-grossanzeige-1024x768.png"
shot 1920 1080 "$program" gross "$out/tischbelegung-grossanzeige-1920x1080.png"
echo "Screenshots and PDF in $out"
