#!/usr/bin/env bash
# Makes the pictures of the help file anew under xvfb-run: the windows "Teilnehmer erfassen/ändern.",
# "Gruppen zusammenstellen", the 3-table result window and "Farbwahl", filled with sample players,
# in the start-up style, at most 560 pixels wide. They are kept in the repository in
# src/app/hilfe/bilder/ and installed beside the help file; run this after a change to one of
# these windows and commit the pictures.
#   tools/help-pictures.sh [output folder]      (default: src/app/hilfe/bilder)
# Needs: cmake, ninja, xvfb-run.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/src/app/hilfe/bilder}"
mkdir -p "$out"

source "$root/tools/screenshot-common.sh"
contact_sheet_bauen
eigener_laufzeitordner
unset QT_QPA_PLATFORM
xvfb-run -a -s "-screen 0 1366x768x24" "$contact_sheet" --hilfe "$out"
ls -l "$out"/*.png
