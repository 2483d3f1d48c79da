#!/usr/bin/env bash
# Installs what is missing, builds, installs the program into its own folder, puts it into the
# desktop's application menu and starts it.
# Usage: tools/start.sh [install folder]       (default: ~/Zorbel-Master, or $ZORBEL_HOME)
#        tools/start.sh --uninstall [folder]   removes the program and its menu entry, keeps the data
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
if [ "${1:-}" = "--uninstall" ]; then
    prefix="${2:-${ZORBEL_HOME:-$HOME/Zorbel-Master}}"
    exec "$root/tools/desktop-integration.sh" uninstall "$prefix"
fi
prefix="${1:-${ZORBEL_HOME:-$HOME/Zorbel-Master}}"
"$root/tools/install-deps.sh"
cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DZORBEL_TESTS=OFF -DZORBEL_BENCH=OFF -DZORBEL_TOOLS=OFF
cmake --build "$root/build/release"
cmake --install "$root/build/release" --prefix "$prefix"
"$root/tools/desktop-integration.sh" install "$prefix"
cd "$prefix"
exec "$prefix/zorbel-master"
