#!/usr/bin/env bash
# The menu entry, icons and metainfo as a user's desktop reads them: installed into a fresh home
# for an install folder with a blank and a quote in its name, validated, and removed again
# without touching a data file.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export HOME="$work/home"
unset XDG_DATA_HOME
mkdir -p "$HOME"
prefix="$work/Zorbel Master \"Verein\""
mkdir -p "$prefix"
printf 'x' > "$prefix/zorbel-master"
printf 'h' > "$prefix/Zorbeln-Hilfe.html"
mkdir -p "$prefix/bilder"
pictures=("$root"/src/app/hilfe/bilder/*.png)
[ -e "${pictures[0]}" ] || { echo "FAIL: the help has no pictures" >&2; exit 1; }
for picture in "${pictures[@]}"; do cp "$picture" "$prefix/bilder/"; done
for data in Zorbeln.opt Adressen.adr aktuelle_Liste2.akt Str_list.txt Styledat.txt; do
    printf 'data' > "$prefix/$data"
done

fail() { echo "FAIL: $*" >&2; exit 1; }

"$root/tools/desktop-integration.sh" install "$prefix"
share="$HOME/.local/share"
id=org.zorbelmaster.ZorbelMaster
entry="$share/applications/$id.desktop"
[ -f "$entry" ] || fail "no menu entry"
desktop-file-validate "$entry" || fail "menu entry does not validate"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" || fail "metainfo does not validate"
grep -qx "Path=$prefix" "$entry" || fail "entry does not start in the data folder: $(grep ^Path= "$entry")"
grep -qx 'Exec="'"$work"'/Zorbel Master \\\\"Verein\\\\"/zorbel-master"' "$entry" \
    || fail "Exec line not quoted as the desktop entry format wants: $(grep ^Exec= "$entry")"
grep -qx "Icon=$id" "$entry" || fail "icon not named by the id"
[ -f "$share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no SVG icon"
for s in 16 24 32 48 64 128 256; do
    png="$share/icons/hicolor/${s}x${s}/apps/$id.png"
    [ -f "$png" ] || fail "no ${s}px icon"
    [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] || fail "${s}px icon is no PNG"
done

"$root/tools/start.sh" --uninstall "$prefix"
# The desktop database and icon caches are the desktop's own and may stay.
left="$(find "$share" -type f ! -name "*.cache" | wc -l)"
[ "$left" -eq 0 ] || fail "uninstall left files: $(find "$share" -type f ! -name "*.cache")"
[ ! -e "$prefix/zorbel-master" ] || fail "program file still there"
[ ! -e "$prefix/Zorbeln-Hilfe.html" ] || fail "help file still there"
[ ! -e "$prefix/bilder" ] || fail "help pictures still there: $(ls "$prefix/bilder")"
for data in Zorbeln.opt Adressen.adr aktuelle_Liste2.akt Str_list.txt Styledat.txt; do
    [ "$(cat "$prefix/$data")" = "data" ] || fail "uninstall touched the data file $data"
done
echo "desktop entry: installed, valid, removed; data files kept"
