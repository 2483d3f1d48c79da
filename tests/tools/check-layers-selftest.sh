#!/usr/bin/env bash
# Runs tools/check-layers.sh on a small tree whose layers are in order (it must pass), then on
# the same tree broken in every way the check knows (it must fail and name each break).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
check="$here/../../tools/check-layers.sh"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cp -r "$here/layers" "$work/good"
if ! bash "$check" "$work/good" >"$work/good.out" 2>&1; then
    echo "FAIL: the tree in order was reported:"
    cat "$work/good.out"
    exit 1
fi

cp -r "$here/layers" "$work/bad"
src="$work/bad/src"
echo '#include "draw/ui/fenster.h"' >>"$src/draw/logic/ziehung.h"
echo '#include <QDialog>' >>"$src/core/base/werte.h"
echo '#include <QtPrintSupport/QPrinter>' >>"$src/players/logic/liste.h"
echo '#include "platform/ui/box.h"' >>"$src/players/logic/liste.h"
echo '#include "players/ui/dialog.h"' >>"$src/draw/ui/fenster.h"
mkdir -p "$src/grid/model" "$src/draw/logic/extra" "$src/printing/logic"
echo '#pragma once' >"$src/grid/model/modell.h"
echo '#pragma once' >"$src/draw/logic/extra/hilfe.h"
echo '#pragma once' >"$src/printing/logic/seite.h"
cat >>"$work/bad/CMakeLists.txt" <<'CMAKE'
target_link_libraries(zorbel_core_base PUBLIC zorbel_platform_ui)
target_link_libraries(zorbel_platform_base PUBLIC zorbel_core_base)
CMAKE

expected=(
    'src/draw/logic/ziehung.h:[0-9]+: includes draw/ui/fenster.h from the higher layer draw/ui'
    'src/core/base/werte.h:[0-9]+: includes <QDialog> \(Qt Widgets'
    'src/players/logic/liste.h:[0-9]+: includes <QtPrintSupport/QPrinter> \(Qt Widgets'
    'src/players/logic/liste.h:[0-9]+: includes platform/ui/box.h from platform/ui, but players/logic'
    'subsystems include each other in a cycle: draw -> players .* players -> draw'
    'src/grid: folder has no layer'
    'src/grid/model: folder has no layer'
    'src/draw/logic/extra/hilfe.h: C\+\+ file in a subfolder of draw/logic'
    'src/printing/logic: has C\+\+ files but the build has no library zorbel_printing_logic'
    'zorbel_core_base links Qt6::Widgets \(through zorbel_platform_ui\)'
    'zorbel_draw_logic links Qt6::Widgets \(through zorbel_core_base -> zorbel_platform_ui\)'
    'zorbel_platform_base links zorbel_core_base from a higher layer'
)
status=0
bash "$check" "$work/bad" >"$work/bad.out" 2>&1 || status=$?
failed=0
if [ "$status" -ne 1 ]; then
    echo "FAIL: the broken tree gave exit status $status, not 1"
    failed=1
fi
for line in "${expected[@]}"; do
    if ! grep -Eq "^$line" "$work/bad.out"; then
        echo "FAIL: not reported: $line"
        failed=1
    fi
done
if [ "$failed" -ne 0 ]; then
    echo "--- output of the check:"
    cat "$work/bad.out"
    exit 1
fi
echo "check-layers self-test: OK"
