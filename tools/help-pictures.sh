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
build="${CONTACT_SHEET_BUILD:-$root/build-contact-sheet}"
mkdir -p "$out"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZORBEL_TESTS=OFF -DZORBEL_BENCH=OFF \
    -DZORBEL_TOOLS=ON >/dev/null
cmake --build "$build" --target zorbel-contact-sheet

runtime="$(mktemp -d)"
chmod 700 "$runtime"
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime"
export QT_LOGGING_RULES='qt.qpa.*=false'
unset QT_QPA_PLATFORM
xvfb-run -a -s "-screen 0 1366x768x24" "$build/tools/contact-sheet/zorbel-contact-sheet" --hilfe "$out"
ls -l "$out"/*.png
