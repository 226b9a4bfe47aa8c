#!/usr/bin/env bash
# Checks the package as a Debian packager would, with Debian's own tools: lintian reports no error
# and no warning, and each override it honours says why; the AppStream metadata validates; the
# manual pages format without warnings, and the page of orbpreset holds every command's help.
#   check_package.sh <scratch dir> <orbpreset> <source dir> <homepage>
set -euo pipefail
source "$(dirname "$0")/package_support.bash"

scratch=$1 orbpreset=$2 source=$3 homepage=$4
deb=$(package_in "$scratch")
root=$scratch/contents
rm -rf "$root"
dpkg-deb -x "$deb" "$root"

# lintian: nothing at error or warning level; an override needs a comment above it.
lintian --fail-on error,warning --tag-display-limit 0 "$deb" || fail "lintian reports the above"
overrides=$root/usr/share/lintian/overrides/orbmini-editor
if [ -f "$overrides" ]; then
    awk '/^#/ { explained = 1; next } /^$/ { explained = 0; next }
         !explained { print "override without a comment: " $0; bad = 1 } END { exit bad }' "$overrides" \
        || fail "every lintian override must say why"
fi

# AppStream: the metadata that software centres read validates (addresses are not fetched).
metainfo=$root/usr/share/metainfo/com.kestrin.OrbMiniEditor.metainfo.xml
[ -f "$metainfo" ] || fail "no AppStream metadata at $metainfo"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate refuses $metainfo"

# Each screenshot is published beneath the homepage as in the source tree: a picture that the
# editor rendered for the user guide. Until the guide is in the tree there is nothing to look at.
screenshots=$(xmllint --xpath "//screenshot/image/text()" "$metainfo")
[ -n "$screenshots" ] || fail "the AppStream metadata shows no screenshot"
for url in $screenshots; do
    [[ "$url" == "$homepage/"* ]] || fail "screenshot $url is not published beneath $homepage"
    picture=$source/${url#"$homepage/"}
    if [ -d "$source/doc/guide" ]; then
        [ -f "$picture" ] && [ "$(head -c 8 "$picture" | od -An -c | tr -d ' ')" = '211PNG\r\n032\n' ] \
            || fail "screenshot $url is no PNG picture in the source tree ($picture)"
    fi
done

# Manual pages: formatted as man would, any warning fails.
render() { LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=${2:-80} man --warnings -E UTF-8 -l -Tutf8 -Z "$1"; }
for program in OrbMiniEditor orbpreset; do
    page=$root/usr/share/man/man1/$program.1.gz
    [ -f "$page" ] || fail "no manual page for $program at $page"
    warnings=$(render "$page" 2>&1 >/dev/null) || fail "man cannot format $page: $warnings"
    [ -z "$warnings" ] || fail "man warns about $page: $warnings"
done

# The tool's page holds each command's help and the exit statuses, word for word: compared as
# plain words, from text formatted wide enough that no line breaks or hyphenates.
words() { tr -s ' \n\t' '\n\n\n' | grep -v '^$' | tr '\n' ' '; }
page_words=$(LC_ALL=C.UTF-8 MANWIDTH=1000 man --ascii -l "$root/usr/share/man/man1/orbpreset.1.gz" 2>/dev/null | col -b | words)
commands=$("$orbpreset" help | awk '/^Usage:/ { usage = 1; next } /^$/ { usage = 0 } usage { print $2 }')
[ -n "$commands" ] || fail "orbpreset help lists no commands"
for command in $commands; do
    [ "$command" = help ] && continue
    help_words=$("$orbpreset" help "$command" | sed 1d | words)
    [[ "$page_words" == *"$help_words"* ]] || fail "the manual page of orbpreset lacks the help of \"$command\""
done
exit_words=$("$orbpreset" help | sed -n '/^Exit status:/,/^$/p' | sed 's/^Exit status: *//' | words)
[[ "$page_words" == *"EXIT STATUS $exit_words"* ]] || fail "the manual page of orbpreset lacks its exit statuses"

echo "check_package: lintian, appstreamcli and man find nothing to report in $(basename "$deb")"
