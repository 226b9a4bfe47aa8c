#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks the desktop integration the way a desktop
# would see it: the entry and the file type validate, name the installed program and each other,
# every icon they name is there at its size, the AppStream metadata names them, and each program
# has its manual page.
#   check_install.sh <cmake> <build dir> <scratch dir>
#   check_install.sh --installed <prefix>      checks what is installed there already (a package's /usr)
set -euo pipefail

id=com.kestrin.OrbMiniEditor

fail() { echo "check_install: $*" >&2; exit 1; }

if [ "$1" = --installed ]; then
    prefix=$2
else
    cmake_command=$1 build=$2 prefix=$3
    rm -rf "$prefix"
    "$cmake_command" --install "$build" --prefix "$prefix" >/dev/null
fi

entry=$prefix/share/applications/$id.desktop
mime=$prefix/share/mime/packages/$id.xml
[ -f "$entry" ] || fail "no desktop entry at $entry"
[ -f "$mime" ] || fail "no file type at $mime"

desktop-file-validate "$entry" || fail "desktop entry does not validate"
xmllint --noout "$mime" || fail "file type is not well-formed XML"

value() { sed -n "s/^$1=//p" "$entry" | head -n 1; }

# The program the entry starts is the installed one, handed the preset's path.
exec_line=$(value Exec)
program=${exec_line%% *}
[ "$program" = OrbMiniEditor ] || fail "Exec names '$program'"
[ -f "$prefix/bin/$program" ] && [ -x "$prefix/bin/$program" ] || fail "$prefix/bin/$program is not an executable"
[ "$exec_line" = "$program %F" ] || fail "Exec should pass the files as %F: '$exec_line'"

# The entry opens exactly the type that the XML defines, and that type is *.orp.
xpath() { xmllint --xpath "string($1)" "$mime"; }
type=$(xpath "//*[local-name()='mime-type']/@type")
[ "$(value MimeType)" = "$type;" ] || fail "entry opens '$(value MimeType)', the XML defines '$type'"
[ "$(xpath "//*[local-name()='glob']/@pattern")" = "*.orp" ] || fail "the file type's glob is not *.orp"

# A PNG's width and height, from its header.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $3 * 256 + $4, $7 * 256 + $8 }'; }

check_icons() {   # <context> <name> <sizes...>
    local context=$1 name=$2; shift 2
    for size in "$@"; do
        local icon=$prefix/share/icons/hicolor/${size}x${size}/$context/$name.png
        [ -f "$icon" ] || fail "missing icon $icon"
        [ "$(png_size "$icon")" = "${size}x${size}" ] || fail "$icon is $(png_size "$icon")"
    done
}
check_icons apps "$(value Icon)" 16 24 32 48 64 128 256
mime_icon=${type//\//-}
[ "$(xpath "//*[local-name()='icon']/@name")" = "$mime_icon" ] || fail "the file type's icon is not $mime_icon"
check_icons mimetypes "$mime_icon" 16 24 32 48 64 128

# The AppStream metadata launches the entry, provides the file type and names installed programs.
metainfo=$prefix/share/metainfo/$id.metainfo.xml
[ -f "$metainfo" ] || fail "no AppStream metadata at $metainfo"
meta() { xmllint --xpath "$1" "$metainfo"; }
[ "$(meta "string(/component/id)")" = "$id" ] || fail "the metadata's id is not $id"
[ "$(meta "string(/component/launchable[@type='desktop-id'])")" = "$(basename "$entry")" ] \
    || fail "the metadata does not launch $(basename "$entry")"
[ "$(meta "string(/component/provides/mediatype)")" = "$type" ] || fail "the metadata does not provide $type"
for binary in $(meta "/component/provides/binary/text()"); do
    [ -x "$prefix/bin/$binary" ] || fail "the metadata provides $binary, which is not installed"
done

# Every installed program has its manual page.
for program in "$prefix"/bin/*; do
    [ -f "$prefix/share/man/man1/$(basename "$program").1.gz" ] || fail "no manual page for $(basename "$program")"
done

# The shared MIME database accepts the type and maps *.orp to it.
if command -v update-mime-database >/dev/null; then
    update-mime-database "$prefix/share/mime" || fail "update-mime-database refuses the file type"
    grep -q ":$type:\*\.orp$" "$prefix/share/mime/globs2" || fail "*.orp does not map to $type"
    grep -q "^$type$" "$prefix/share/mime/types" || fail "$type is not among the known types"
fi

echo "check_install: desktop entry, file type and icons of $prefix are in order"
