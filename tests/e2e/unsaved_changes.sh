#!/usr/bin/env bash
# Never losing an edit, by keyboard: a number typed into a box is taken back with ctrl+Z and
# repeated with ctrl+Y; "Compare With File…" from the File menu opens the list of differences;
# quitting or closing a window with changes asks first, and each of the
# three answers does what it says ("Cancel" keeps the window, "Don't Save" closes it without a
# file, "Save" writes the file through the chooser, then closes).
set -euo pipefail
source "$(dirname "$0")/common.bash"

SAVED="$WORK_DIR/kept.orp"
ASK="Unsaved Changes"

# knob1_cc WINDOW: the text of Knob 1's CC box on the knob view, through the clipboard.
knob1_cc() {
    local x y
    read -r x y <<<"$KNOB1_CC_BOX"
    echo -n "none" | xclip -selection clipboard -i
    click_at "$1" "$x" "$y"
    sleep 0.3
    send_chord ctrl+a
    send_chord ctrl+c
    xdotool key Escape
    read_clipboard
}

# type_knob1_cc WINDOW NUMBER: types the number into Knob 1's CC box on the knob view.
type_knob1_cc() {
    local x y
    read -r x y <<<"$KNOB1_CC_BOX"
    click_at "$1" "$x" "$y"
    sleep 0.3
    send_chord ctrl+a
    xdotool type --delay 60 "$2"
    xdotool key Return
}

# knob_view WINDOW: shows the knob view of a window that shows its main view.
knob_view() {
    window_geometry "$1"
    local main
    main=$(window_picture "$1")
    click_at "$1" "${TAB_X[1]}" "$TAB_Y"
    window_picture "$1" "$main" >/dev/null
}

# ask WINDOW SHORTCUT: presses the shortcut (ctrl+w, ctrl+q) and prints the question's window,
# focused for the answer.
ask() {
    local window="$1" shortcut="$2" alert
    alert=$(press_shortcut "$window" "$shortcut" wait_for_window "$ASK" 10) || fail "$shortcut did not ask"
    xdotool windowfocus --sync "$alert" 2>/dev/null || true
    echo "$alert"
}

start_editor
window=$(wait_for_window "Kestrin OrbMini Editor - Untitled 1") || fail "no first window"
sleep "${SHORTCUT_SETTLE_SECONDS:-2}"
knob_view "$window"

# Undo and redo of a typed number.
original=$(knob1_cc "$window")
[ "$original" != "none" ] && [ "$original" != "64" ] || fail "Knob 1's CC box shows '$original' at the start"
type_knob1_cc "$window" 64
[ "$(knob1_cc "$window")" = "64" ] || fail "the typed number did not stay"
press_shortcut "$window" ctrl+z
[ "$(knob1_cc "$window")" = "$original" ] || fail "ctrl+Z did not bring back Knob 1's CC"
press_shortcut "$window" ctrl+y
[ "$(knob1_cc "$window")" = "64" ] || fail "ctrl+Y did not repeat the edit"

# Compare with a file: the File menu's last item, reached by keyboard once the menu is open.
OTHER="$WORK_DIR/other preset.orp"
write_preset "$OTHER"
sleep "${SHORTCUT_SETTLE_SECONDS:-2}"
xdotool mousemove --window "$window" 20 $((MENU_H / 2)) click 1
sleep 0.5
for _ in $(seq 7); do xdotool key Down; sleep 0.1; done
chooser=$(send_chord Return wait_for_window "Select Filename to compare with" 10) || fail "Compare With File did not ask for a file"
save_in_chooser "$chooser" "$OTHER"
wait_for_window "Compare Untitled 1 With other preset.orp" 10 >/dev/null || fail "no compare window"
rm "$OTHER"

# Quit asks; "Cancel" (escape) keeps the editor running.
alert=$(ask "$window" ctrl+q)
send_chord Escape window_closed "$alert" || fail "escape did not answer the question"
sleep 1
kill -0 "$EDITOR_PID" 2>/dev/null || fail "Cancel did not stop the quit"

# A second window with an edit: "Don't Save" closes it, writing nothing.
second=$(press_shortcut "$window" ctrl+n wait_for_window "Kestrin OrbMini Editor - Untitled 2") || fail "no second window"
knob_view "$second"
type_knob1_cc "$second" 12
alert=$(ask "$second" ctrl+w)
send_chord ctrl+d window_closed "$second" || fail "Don't Save did not close the window"
[ -z "$(ls "$WORK_DIR"/*.orp 2>/dev/null)" ] || fail "Don't Save wrote a file"

# "Cancel" keeps the first window; "Save" asks for a file, writes it and closes the last window.
alert=$(ask "$window" ctrl+w)
send_chord Escape window_closed "$alert" || fail "escape did not answer the question"
xdotool getwindowname "$window" >/dev/null 2>&1 || fail "Cancel closed the window"
alert=$(ask "$window" ctrl+w)
chooser=$(send_chord Return wait_for_window "Select Filename to save" 10) || fail "Save did not ask for a file"
save_in_chooser "$chooser" "$SAVED"
process_ended "$EDITOR_PID" || fail "the saved last window did not close"
[ "$(stat -c %s "$SAVED" 2>/dev/null || echo 0)" -eq 316 ] || fail "Save wrote no preset"
echo "unsaved changes: ok"
