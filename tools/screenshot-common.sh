# Sourced by the screenshot and picture scripts (after setting `root`); not run on its own.

# Builds zorbel-contact-sheet in Release in $CONTACT_SHEET_BUILD (default build-contact-sheet)
# and sets `contact_sheet` to it.
contact_sheet_bauen() {
    local build="${CONTACT_SHEET_BUILD:-$root/build-contact-sheet}"
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZORBEL_TESTS=OFF \
        -DZORBEL_BENCH=OFF -DZORBEL_TOOLS=ON >/dev/null
    cmake --build "$build" --target zorbel-contact-sheet
    contact_sheet="$build/tools/contact-sheet/zorbel-contact-sheet"
}

# Builds the preview program <target> of tools/vorschau in the Debug tree <build> and sets
# `program` to it. A tree configured before keeps its build type and settings; the tools are
# switched on in it.
#   vorschau_bauen <build> <target>
vorschau_bauen() {
    if [ ! -f "$1/build.ninja" ]; then
        cmake -S "$root" -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZORBEL_TESTS=OFF \
            -DZORBEL_BENCH=OFF -DZORBEL_TOOLS=ON >/dev/null
    else
        cmake -S "$root" -B "$1" -DZORBEL_TOOLS=ON >/dev/null
    fi
    cmake --build "$1" --target "$2"
    program="$1/tools/vorschau/$2"
}

# A runtime folder of the script's own, removed when it ends, and no platform-plugin chatter.
eigener_laufzeitordner() {
    runtime="$(mktemp -d)"
    chmod 700 "$runtime"
    trap 'rm -rf "$runtime"' EXIT
    export XDG_RUNTIME_DIR="$runtime"
    export QT_LOGGING_RULES='qt.qpa.*=false'
}
