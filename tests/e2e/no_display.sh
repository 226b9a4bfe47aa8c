#!/usr/bin/env bash
# Without a display the editor says so in one line and ends with status 1, whether DISPLAY is unset
# or names a display no server answers; a start that only hands a file over needs no display.
set -euo pipefail
source "$(dirname "$0")/common.bash"

# expect_no_display DISPLAY_TEXT COMMAND...: status 1 and one line naming the display tried.
expect_no_display() {
    local tried="$1" status=0
    shift
    "$@" >"$WORK_DIR/out" 2>"$WORK_DIR/err" </dev/null || status=$?
    [ "$status" -eq 1 ] || fail "exit status $status without a display (expected 1): $(cat "$WORK_DIR/err")"
    [ "$(wc -l <"$WORK_DIR/err")" -eq 1 ] || fail "expected one line on standard error: $(cat "$WORK_DIR/err")"
    grep -q "needs a graphical display" "$WORK_DIR/err" || fail "unexpected message: $(cat "$WORK_DIR/err")"
    grep -qF -- "$tried" "$WORK_DIR/err" || fail "the message does not name '$tried': $(cat "$WORK_DIR/err")"
    [ ! -s "$WORK_DIR/out" ] || fail "unexpected output: $(cat "$WORK_DIR/out")"
}

expect_no_display "DISPLAY is not set" env -u DISPLAY timeout 10 "$EDITOR_BIN"
# A display number far beyond any server on this machine.
expect_no_display "DISPLAY=:4097" env DISPLAY=:4097 timeout 10 "$EDITOR_BIN" some.orp

# With an editor running, a start without a display hands its (relative) file over and ends.
start_editor
window=$(wait_for_window "Kestrin OrbMini Editor - Untitled 1") || fail "first window did not appear"
mkdir "$WORK_DIR/elsewhere"
write_preset "$WORK_DIR/elsewhere/remote.orp"
status=0
(cd "$WORK_DIR/elsewhere" && env -u DISPLAY timeout 10 "$EDITOR_BIN" remote.orp) || status=$?
[ "$status" -eq 0 ] || fail "a start without a display did not hand its file over (status $status)"
window=$(wait_for_window "Kestrin OrbMini Editor - remote" 10) || fail "the running editor did not open the file"
quit_editor "$EDITOR_PID" "$window" || fail "editor quit with an error"
echo "no display: ok"
