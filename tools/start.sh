#!/usr/bin/env bash
# Installs what is missing, builds, installs the program into its own folder and starts it.
# Usage: tools/start.sh [install folder]   (default: ~/Zorbel-Master)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
prefix="${1:-${ZORBEL_HOME:-$HOME/Zorbel-Master}}"
"$root/tools/install-deps.sh"
cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DZORBEL_TESTS=OFF -DZORBEL_BENCH=OFF -DZORBEL_TOOLS=OFF
cmake --build "$root/build/release"
cmake --install "$root/build/release" --prefix "$prefix"
cd "$prefix"
exec "$prefix/zorbel-master"
