#!/usr/bin/env bash
# Where windows carry their own menu bar, closing the last window ends the editor cleanly.
set -euo pipefail
source "$(dirname "$0")/common.bash"

start_editor
window=$(wait_for_window "Kestrin OrbMini Editor - Untitled 1") || fail "first window did not appear"
press_shortcut "$window" ctrl+n
second=$(wait_for_window "Kestrin OrbMini Editor - Untitled 2") || fail "New Window did not open a second window"

for id in "$second" "$window"; do
    press_shortcut "$id" ctrl+w
done

for _ in $(seq 100); do kill -0 "$EDITOR_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$EDITOR_PID" 2>/dev/null && fail "editor still running with no window"
status=0
wait "$EDITOR_PID" || status=$?
[ "$status" -eq 0 ] || { cat "$WORK_DIR/editor.out" >&2; fail "editor ended with status $status"; }
echo "last window: ok"
