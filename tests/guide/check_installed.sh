#!/usr/bin/env bash
# Installed into a scratch prefix, the user guide is where the editor looks for it, is well-formed,
# shows every section view, and every picture or page it links to is installed with it.
#   check_installed.sh <cmake> <build dir> <scratch dir> <guide folder relative to the prefix>
set -euo pipefail

cmake_command=$1 build=$2 prefix=$3 folder=$4
fail() { echo "check_installed: $*" >&2; exit 1; }

rm -rf "$prefix"
"$cmake_command" --install "$build" --prefix "$prefix" >/dev/null

guide=$prefix/$folder/user-guide.html
[ -f "$guide" ] || fail "no user guide at $guide"
# Written as well-formed XML (XHTML syntax), which the strictest checker available can verify.
xmllint --noout "$guide" || fail "the guide is not well-formed"

for view in 0 1 2 3 4 5 6 7 8; do
    grep -q "src=\"images/view-$view-[a-z-]*\.png\"" "$guide" || fail "the guide shows no picture of view $view"
done

# Every local link and picture (no scheme, no page anchor) is installed beside the guide.
links=$(grep -o '\(src\|href\)="[^"#:]*"' "$guide" | sed 's/^[a-z]*="//; s/"$//' | sort -u)
for link in $links; do
    [ -f "$prefix/$folder/$link" ] || fail "the guide links to $link, which is not installed"
done
echo "check_installed: $guide and its $(wc -w <<<"$links") linked files are installed"
