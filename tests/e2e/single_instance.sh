#!/usr/bin/env bash
# One editor per user: a second start hands its file to the running editor and ends by itself; a
# killed editor's leftovers never block the next start; quitting ends with status 0.
set -euo pipefail
source "$(dirname "$0")/common.bash"

start_editor
first_pid=$EDITOR_PID
window=$(wait_for_window "Kestrin OrbMini Editor - Untitled 1") || fail "first window did not appear"

# A second start with a quoted path ends by itself, quickly and successfully.
write_preset "$WORK_DIR/live.orp"
started=$(date +%s%N)
timeout 5 "$EDITOR_BIN" "\"$WORK_DIR/live.orp\"" || fail "second start did not exit 0"
elapsed_ms=$(( ($(date +%s%N) - started) / 1000000 ))
[ "$elapsed_ms" -lt 1500 ] || fail "second start took ${elapsed_ms} ms"

# The running editor received the file: its window now carries the file's name.
wait_for_window "Kestrin OrbMini Editor - live" 10 >/dev/null || fail "running editor did not open the handed-over file"
kill -0 "$first_pid" || fail "first editor died"

# Kill the editor the hard way: its lock and socket file stay behind.
kill -9 "$first_pid"
wait "$first_pid" 2>/dev/null || true
ls "$XDG_RUNTIME_DIR"/orbmini-editor.* >/dev/null 2>&1 || fail "expected leftovers from the killed editor"

start_editor
window=$(wait_for_window "Kestrin OrbMini Editor - Untitled 1") || fail "a stale lock blocked the next start"

status=0
quit_editor "$EDITOR_PID" "$window" || status=$?
[ "$status" -eq 0 ] || { cat "$WORK_DIR/editor.out" >&2; fail "editor quit with status $status"; }
echo "single instance: ok (second start ${elapsed_ms} ms)"
