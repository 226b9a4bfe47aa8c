#!/usr/bin/env bash
# The user guide's committed pictures are exactly what the editor draws now: the same files, the
# same bytes, and a second run writes nothing.
#   check_pictures.sh <orbmini_guide_pictures> <committed images folder> <scratch folder>
set -euo pipefail

tool=$1 committed=$2 scratch=$3
fail() { echo "check_pictures: $*" >&2; echo "  redraw them: $tool $committed" >&2; exit 1; }

rm -rf "$scratch"
"$tool" "$scratch" >/dev/null
"$tool" "$scratch" | grep -q '^0 written' || fail "a second run drew different pictures"

diff <(cd "$scratch" && ls) <(cd "$committed" && ls) >&2 || fail "the committed pictures are not the ones the editor draws"
for picture in "$scratch"/*.png; do
    cmp -s "$picture" "$committed/$(basename "$picture")" || fail "$(basename "$picture") differs from what the editor draws"
done
echo "check_pictures: $(ls "$scratch" | wc -l) pictures up to date"
