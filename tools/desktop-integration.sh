#!/usr/bin/env bash
# Puts Zorbel-Master into the desktop's application menu for the current user, or takes it out.
#   tools/desktop-integration.sh install   <install folder>
#   tools/desktop-integration.sh uninstall <install folder>
# Installs a freedesktop menu entry, the icon (SVG and PNG sizes in the hicolor theme) and the
# AppStream metainfo under ${XDG_DATA_HOME:-~/.local/share}. Uninstalling removes exactly these
# files and the program's own files in the install folder, never a data file.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/.." && pwd)"
action="${1:?install or uninstall}"
prefix="${2:?install folder}"
prefix="$(cd "$prefix" 2>/dev/null && pwd || echo "$prefix")"
data="${XDG_DATA_HOME:-$HOME/.local/share}"
id="org.zorbelmaster.ZorbelMaster"
sizes=(16 24 32 48 64 128 256)

desktop_file="$data/applications/$id.desktop"
metainfo_file="$data/metainfo/$id.metainfo.xml"
svg_icon="$data/icons/hicolor/scalable/apps/$id.svg"
png_icon() { echo "$data/icons/hicolor/${1}x${1}/apps/$id.png"; }
# What start.sh's install puts into the install folder besides the data files.
program_files=("$prefix/zorbel-master" "$prefix/Zorbeln-Hilfe.html")
# The help's pictures, by the names the source holds; their folder goes when it is left empty.
help_pictures="$prefix/bilder"
for picture in "$root"/src/app/hilfe/bilder/*.png; do
    [ -e "$picture" ] && program_files+=("$help_pictures/$(basename "$picture")")
done

# A value inside a quoted Exec argument: \ " ` $ escaped with a backslash, then each backslash
# doubled again for the desktop file's own escaping, and % doubled.
exec_quoted() {
    local v="$1"
    v="${v//\\/\\\\}"; v="${v//\"/\\\"}"; v="${v//\`/\\\`}"; v="${v//\$/\\\$}"
    v="${v//\\/\\\\}"; v="${v//%/%%}"
    printf '"%s"' "$v"
}
# A plain string value of a desktop file: backslash escaped.
plain_value() { local v="$1"; printf '%s' "${v//\\/\\\\}"; }

refresh_caches() {
    command -v update-desktop-database >/dev/null && update-desktop-database -q "$data/applications" 2>/dev/null || true
    command -v gtk-update-icon-cache >/dev/null && gtk-update-icon-cache -q -t "$data/icons/hicolor" 2>/dev/null || true
}

install_entry() {
    mkdir -p "$data/applications" "$data/metainfo" "$(dirname "$svg_icon")"
    local exec_value path_value
    exec_value="$(exec_quoted "$prefix/zorbel-master")"
    path_value="$(plain_value "$prefix")"
    # Through the environment: awk -v would undo the backslash escapes.
    EXEC_LINE="Exec=$exec_value" PATH_LINE="Path=$path_value" awk '
        /^Exec=/ { print ENVIRON["EXEC_LINE"]; next }
        /^Path=/ { print ENVIRON["PATH_LINE"]; next }
        { print }' "$here/desktop/$id.desktop.in" > "$desktop_file.tmp"
    mv "$desktop_file.tmp" "$desktop_file"
    cp "$here/desktop/$id.metainfo.xml" "$metainfo_file"
    cp "$root/src/app/bilder/zorbel-master.svg" "$svg_icon"
    for s in "${sizes[@]}"; do
        mkdir -p "$(dirname "$(png_icon "$s")")"
        rsvg-convert -w "$s" -h "$s" "$root/src/app/bilder/zorbel-master.svg" -o "$(png_icon "$s")"
    done
    refresh_caches
}

uninstall_entry() {
    rm -f "$desktop_file" "$metainfo_file" "$svg_icon"
    for s in "${sizes[@]}"; do rm -f "$(png_icon "$s")"; done
    for f in "${program_files[@]}"; do rm -f "$f"; done
    rmdir "$help_pictures" 2>/dev/null || true
    refresh_caches
}

case "$action" in
    install) install_entry ;;
    uninstall) uninstall_entry ;;
    *) echo "usage: $0 install|uninstall <install folder>" >&2; exit 2 ;;
esac
