#!/usr/bin/env bash
# Save As with a name typed without an extension saves "<name>.orp"; saving that name again from
# another window asks before replacing the file, and "Overwrite" (Return) replaces it.
set -euo pipefail
source "$(dirname "$0")/common.bash"

mkdir "$WORK_DIR/presets"
typed="$WORK_DIR/presets/live"

start_editor
first=$(wait_for_window "Kestrin OrbMini Editor - Untitled 1") || fail "first window did not appear"
save_as_typed "$first" "$typed"
wait_for_window "Kestrin OrbMini Editor - live" 10 >/dev/null || fail "the window did not take the name live"
[ -f "$typed.orp" ] || fail "live.orp was not written"
[ ! -e "$typed" ] || fail "a file without the extension was written"
[ "$(stat -c %s "$typed.orp")" -eq 316 ] || fail "live.orp has the wrong size"

second=$(press_shortcut "$first" ctrl+n wait_for_window "Kestrin OrbMini Editor - Untitled 2") || fail "no second window"
touch -d '2000-01-01' "$typed.orp"
save_as_typed "$second" "$typed"
question=$(wait_for_window "File already exists" 10) || fail "replacing live.orp was not asked"
[ "$(stat -c %Y "$typed.orp")" -lt 1000000000 ] || fail "live.orp was replaced before the answer"
xdotool key Return
window_closed "$question" || fail "the question did not close"
for _ in $(seq 50); do
    [ "$(xdotool search --onlyvisible --name '^Kestrin OrbMini Editor - live$' | wc -l)" -eq 2 ] && break
    sleep 0.1
done
[ "$(xdotool search --onlyvisible --name '^Kestrin OrbMini Editor - live$' | wc -l)" -eq 2 ] || fail "the second window did not take the name live"
[ "$(stat -c %Y "$typed.orp")" -gt 1000000000 ] || fail "Overwrite did not replace live.orp"
[ ! -e "$typed" ] || fail "a file without the extension was written"

quit_editor "$EDITOR_PID" "$first" || fail "editor quit with an error"
echo "save as: ok"
