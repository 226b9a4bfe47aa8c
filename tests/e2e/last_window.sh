#!/usr/bin/env bash
# Where windows carry their own menu bar, closing the last window ends the editor cleanly.
set -euo pipefail
source "$(dirname "$0")/common.bash"

start_editor
window=$(wait_for_window "Kestrin OrbMini Editor - Untitled 1") || fail "first window did not appear"
second=$(press_shortcut "$window" ctrl+n wait_for_window "Kestrin OrbMini Editor - Untitled 2") \
    || fail "New Window did not open a second window"

press_shortcut "$second" ctrl+w window_closed "$second" || fail "Close Window did not close the second window"
press_shortcut "$window" ctrl+w process_ended "$EDITOR_PID" || fail "editor still running with no window"
status=0
wait "$EDITOR_PID" || status=$?
[ "$status" -eq 0 ] || { cat "$WORK_DIR/editor.out" >&2; fail "editor ended with status $status"; }
echo "last window: ok"
