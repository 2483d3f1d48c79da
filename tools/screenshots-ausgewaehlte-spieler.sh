#!/usr/bin/env bash
# Screenshots of the selected players view "Ausgewählte Spieler" under xvfb-run: 24 picked
# players (one name 50 characters long), row 5 current, in a light and a dark style, with a
# window manager (openbox) when one is installed.
#   tools/screenshots-ausgewaehlte-spieler.sh [output folder] [build folder]
# Needs xvfb-run (package xvfb); builds the target ausgewaehltespieler_vorschau.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/build/screenshots}"
build="${2:-$root/build/screenshots-build}"
mkdir -p "$out"
out="$(cd "$out" && pwd)"

source "$root/tools/screenshot-common.sh"
vorschau_bauen "$build" ausgewaehltespieler_vorschau

export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

shot() { # <style> <name>
    xvfb-run -a -s "-screen 0 1366x768x24" bash -c '
        if command -v openbox >/dev/null; then openbox & sleep 0.5; fi
        "$0" "$1" 24 5 "$2"' "$program" "$1" "$out/$2.png"
}
shot "Emerald Light Slate" ausgewaehlte-spieler-hell
shot "Carbon" ausgewaehlte-spieler-dunkel
echo "Screenshots in $out"
