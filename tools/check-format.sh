#!/usr/bin/env bash
# Fails when a tracked C++ file does not follow the repository's .clang-format.
# Format a file with: clang-format -i <file>
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -d '' files < <(git ls-files -z -- '*.cpp' '*.h')
else
    mapfile -d '' files < <(find . -path ./build -prune -o \( -name '*.cpp' -o -name '*.h' \) -print0)
fi
if [ ${#files[@]} -eq 0 ]; then
    echo "check-format: no C++ files found" >&2
    exit 1
fi
if clang-format --dry-run --Werror "${files[@]}"; then
    echo "check-format: OK (${#files[@]} files)"
else
    echo "check-format: the files named above are not formatted (clang-format -i <file>)" >&2
    exit 1
fi
