#!/usr/bin/env bash
# Installs what is missing, builds and runs every test; then once more under
# AddressSanitizer and UndefinedBehaviorSanitizer (skip that with ZORBEL_NO_SANITIZE=1).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/tools/install-deps.sh"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"

# Warnings are errors in both builds (ZORBEL_WERROR is on unless switched off).
cmake -S "$root" -B "$root/build/test" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZORBEL_WERROR=ON
cmake --build "$root/build/test"

# The format and layer checks do not stop the tests; a failed check fails the run at the end.
checks_failed=0
bash "$root/tools/check-format.sh" || checks_failed=1
bash "$root/tools/check-layers.sh" || checks_failed=1

ctest --test-dir "$root/build/test" --output-on-failure

if [ "${ZORBEL_NO_SANITIZE:-0}" != "1" ]; then
    cmake -S "$root" -B "$root/build/asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
          -DZORBEL_SANITIZE=ON -DZORBEL_BENCH=OFF -DZORBEL_WERROR=ON
    cmake --build "$root/build/asan"
    ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --test-dir "$root/build/asan" --output-on-failure
fi

if [ "$checks_failed" -ne 0 ]; then
    echo "The format check or the layer check failed (see above)." >&2
    exit 1
fi
