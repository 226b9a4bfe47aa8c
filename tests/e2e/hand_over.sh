#!/usr/bin/env bash
# Hand-over to the running editor as a user meets it: a relative path given in another folder
# opens that folder's file; several files open in a window each; and a file handed over while a
# "File Error" alert is up leaves the alert on top, with the keyboard, and answering.
set -euo pipefail
source "$(dirname "$0")/common.bash"

presets="$WORK_DIR/presets"
mkdir "$presets"
for name in second third "my set" fourth; do write_preset "$presets/$name.orp"; done
head -c 100 /dev/zero >"$presets/broken.orp"
count_windows() { xdotool search --onlyvisible --name '^Kestrin OrbMini Editor - ' 2>/dev/null | wc -l; }
hand_over() { (cd "$presets" && timeout 5 "$EDITOR_BIN" "$@") || fail "a second start with $* did not end with status 0"; }

start_editor
first=$(wait_for_window "Kestrin OrbMini Editor - Untitled 1") || fail "first window did not appear"
sleep "${SHORTCUT_SETTLE_SECONDS:-2}"

hand_over second.orp
wait_for_window "Kestrin OrbMini Editor - second" 10 >/dev/null || fail "the relative path was not opened"

before=$(count_windows)
hand_over third.orp "my set.orp"
wait_for_window "Kestrin OrbMini Editor - third" 10 >/dev/null || fail "the first of two files was not opened"
wait_for_window "Kestrin OrbMini Editor - my set" 10 >/dev/null || fail "the second of two files was not opened"
[ "$(count_windows)" -eq $((before + 2)) ] || fail "two files did not open two new windows"

hand_over broken.orp
alert=$(wait_for_window "File Error" 10) || fail "a broken file showed no File Error"
sleep 1
hand_over fourth.orp
fourth=$(wait_for_window "Kestrin OrbMini Editor - fourth" 10) || fail "the file handed over under the alert was not opened"
sleep 1   # the window manager's raise and focus of the new window come late

top=$(editor_windows_stacked | tail -n 1)
[ "$top" = "$alert" ] || fail "the File Error alert is not on top (top: $(xdotool getwindowname "$top"))"
[ "$(xdotool getwindowfocus)" = "$alert" ] || fail "the File Error alert does not have the keyboard focus"

# The alert answers: Return dismisses it, and the editor takes commands again.
xdotool key Return
window_closed "$alert" || fail "Return did not dismiss the alert"
press_shortcut "$fourth" ctrl+w window_closed "$fourth" || fail "the editor did not answer after the alert"

quit_editor "$EDITOR_PID" "$first" || fail "editor quit with an error"
echo "hand over: ok"
