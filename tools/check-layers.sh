#!/usr/bin/env bash
# Fails when an include or a link under src/ points up the layer order, when a base or logic
# folder uses Qt Widgets or Qt PrintSupport, or when a source folder has no layer.
# Usage: tools/check-layers.sh [project root]
set -euo pipefail
exec python3 "$(dirname "$0")/check_layers.py" "$@"
