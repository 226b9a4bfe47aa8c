#!/usr/bin/env bash
# The command line: a path opens that file in the first window; an option is ignored.
set -euo pipefail
source "$(dirname "$0")/common.bash"

start_editor --some-option
window=$(wait_for_window "Kestrin OrbMini Editor - Untitled 1") || fail "an option did not give an untitled window"
quit_editor "$EDITOR_PID" "$window" || fail "editor quit with an error"

write_preset "$WORK_DIR/my set.orp"
start_editor "$WORK_DIR/my set.orp"
window=$(wait_for_window "Kestrin OrbMini Editor - my set") || fail "the file on the command line was not opened"
quit_editor "$EDITOR_PID" "$window" || fail "editor quit with an error"
echo "command line: ok"
