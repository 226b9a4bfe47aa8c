#!/usr/bin/env bash
# Every dialog answers the keyboard and the window manager: Escape is its Cancel, Return its action
# (here a get, a send or live editing without MIDI ports, which fails with "MIDI Error" and keeps
# the dialog), and the title bar's close (openbox's alt+F4) is Cancel again. Under a window manager
# the fixed-size dialogs carry a minimum and maximum size equal to their size, and they open over
# their window.
set -euo pipefail
source "$(dirname "$0")/common.bash"

MAIN="Kestrin OrbMini Editor - Untitled 1"
GET_BUTTON="129 512"    # "Get Preset from Hardware" on the main view
SEND_BUTTON="129 557"   # "Send Preset to Hardware"

# focus_and KEY WINDOW: gives the window the keyboard focus and presses the key.
focus_and() {
    xdotool windowfocus --sync "$2" 2>/dev/null || true
    sleep 0.3
    xdotool key "$1"
}

# open_by_button X Y TITLE: clicks a main-view button and prints the dialog that opened.
open_by_button() {
    local dialog
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    click_at "$window" "$1" "$2"
    dialog=$(wait_for_window "$3" 10) || fail "no \"$3\" dialog"
    sleep 0.5
    echo "$dialog"
}

# open_from_menu MENU_X TITLE KEYS...: opens the menu at that x of the menu bar, presses the keys
# (the last is Return) and prints the dialog that opened; a menu that did not open is tried again.
open_from_menu() {
    local x="$1" title="$2" dialog
    shift 2
    for _ in 1 2 3; do
        xdotool windowfocus --sync "$window" 2>/dev/null || true
        sleep 0.5
        xdotool mousemove --window "$window" "$x" $((MENU_H / 2)) click 1
        sleep 0.8
        for key in "$@"; do xdotool key "$key"; sleep 0.15; done
        if dialog=$(wait_for_window "$title" 3); then
            sleep 0.5
            echo "$dialog"
            return 0
        fi
        xdotool key Escape Escape
    done
    fail "the menu did not open \"$title\""
}

# title_bar_close DIALOG: the window manager's close (alt+F4 in openbox); without one, escape.
title_bar_close() {
    if window_manager_running; then focus_and alt+F4 "$1"; else focus_and Escape "$1"; fi
    window_closed "$1" || fail "closing $(xdotool getwindowname "$1") from its title bar left it open"
}

# fixed_size DIALOG: under a window manager, the size hints pin the dialog's size.
fixed_size() {
    window_manager_running || return 0
    local hints
    for _ in $(seq 20); do
        hints=$(xprop -id "$1" WM_NORMAL_HINTS)
        [[ "$hints" == *"program specified maximum size"* ]] && break
        sleep 0.1
    done
    eval "$(xdotool getwindowgeometry --shell "$1")"
    [[ "$hints" == *"minimum size: $WIDTH by $HEIGHT"* && "$hints" == *"maximum size: $WIDTH by $HEIGHT"* ]] \
        || fail "$(xdotool getwindowname "$1") is not fixed at ${WIDTH}x$HEIGHT: $hints"
}

# centred_over_window DIALOG: the dialog's centre is within a few pixels of the editor window's.
centred_over_window() {
    local wx wy ww wh
    eval "$(xdotool getwindowgeometry --shell "$window")"
    wx=$X wy=$Y ww=$WIDTH wh=$HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$1")"
    local dx=$((X + WIDTH / 2 - wx - ww / 2)) dy=$((Y + HEIGHT / 2 - wy - wh / 2))
    [ "${dx#-}" -le 30 ] && [ "${dy#-}" -le 30 ] \
        || fail "$(xdotool getwindowname "$1") opened ${dx},${dy} away from the centre of its window"
}

# return_fails_with_midi_error DIALOG: Return starts the transfer, which fails without ports.
return_fails_with_midi_error() {
    local alert
    focus_and Return "$1"
    alert=$(wait_for_window "MIDI Error" 10) || fail "Return in $(xdotool getwindowname "$1") started nothing"
    focus_and Return "$alert"
    window_closed "$alert" || fail "Return did not dismiss the MIDI error"
    xdotool getwindowname "$1" >/dev/null 2>&1 || fail "the failed transfer closed its dialog"
}

start_editor
window=$(wait_for_window "$MAIN") || fail "no first window"
window_geometry "$window"
sleep "${SHORTCUT_SETTLE_SECONDS:-2}"

for which in get send; do
    if [ "$which" = get ]; then title="Get Preset From Hardware" button=$GET_BUTTON
    else title="Send Preset To Hardware" button=$SEND_BUTTON; fi
    # shellcheck disable=SC2086  # the button's x and y
    dialog=$(open_by_button $button "$title")
    fixed_size "$dialog"
    centred_over_window "$dialog"
    focus_and Escape "$dialog"
    window_closed "$dialog" || fail "Escape did not close \"$title\""

    # shellcheck disable=SC2086
    dialog=$(open_by_button $button "$title")
    return_fails_with_midi_error "$dialog"
    title_bar_close "$dialog"
done

# File > Hardware > Compare With Hardware Slot…: the sixth item of the submenu, after "Get Preset" and five steps down.
compare=(Down Down Down Down Down Down Right Down Down Down Down Down Return)
dialog=$(open_from_menu 20 "Compare With Hardware Slot" "${compare[@]}")
fixed_size "$dialog"
focus_and Escape "$dialog"
window_closed "$dialog" || fail "Escape did not close the compare dialog"
dialog=$(open_from_menu 20 "Compare With Hardware Slot" "${compare[@]}")
# Its get goes into a scratch preset, so its failure shows in the dialog only: the get is seen
# starting in the editor's output, and the dialog stays.
gets=$(grep -c "starting get" "$WORK_DIR/editor.out" || true)
focus_and Return "$dialog"
for _ in $(seq 50); do
    [ "$(grep -c "starting get" "$WORK_DIR/editor.out" || true)" -gt "$gets" ] && break
    sleep 0.1
done
[ "$(grep -c "starting get" "$WORK_DIR/editor.out" || true)" -gt "$gets" ] || fail "Return in the compare dialog started no get"
sleep 0.5
xdotool getwindowname "$dialog" >/dev/null 2>&1 || fail "the failed get closed the compare dialog"
title_bar_close "$dialog"

# File > Hardware > Live Edit Slot…: the third item. Without ports its first send fails with "MIDI
# Error" and the dialog stays.
live=(Down Down Down Down Down Down Right Down Down Return)
dialog=$(open_from_menu 20 "Live Edit Slot" "${live[@]}")
fixed_size "$dialog"
centred_over_window "$dialog"
focus_and Escape "$dialog"
window_closed "$dialog" || fail "Escape did not close the live edit dialog"
dialog=$(open_from_menu 20 "Live Edit Slot" "${live[@]}")
return_fails_with_midi_error "$dialog"
title_bar_close "$dialog"

# Options > Device Setup: Escape and the close are Cancel, Return is OK; each closes it.
for close in Escape Return title-bar; do
    dialog=$(open_from_menu 141 "OrbMini Editor Device Manager" Down Return)
    fixed_size "$dialog"
    centred_over_window "$dialog"
    if [ "$close" = title-bar ]; then
        title_bar_close "$dialog"
    else
        focus_and "$close" "$dialog"
        window_closed "$dialog" || fail "$close did not close Device Setup"
    fi
done

# Help > About (a borderless picture, without a title): Escape or Return closes it.
open_about() {
    local before id
    for _ in 1 2 3; do
        before=" $(editor_windows_stacked | tr '\n' ' ') "
        xdotool windowfocus --sync "$window" 2>/dev/null || true
        sleep 0.5
        xdotool mousemove --window "$window" 290 $((MENU_H / 2)) click 1
        sleep 0.8
        xdotool key Down Down Return
        for _ in $(seq 30); do
            for id in $(editor_windows_stacked); do
                if [[ "$before" != *" $id "* ]] && [ -z "$(xdotool getwindowname "$id" 2>/dev/null)" ]; then
                    sleep 0.5
                    echo "$id"
                    return 0
                fi
            done
            sleep 0.1
        done
        xdotool key Escape Escape
    done
    fail "Help > About opened no window"
}

for close in Escape Return; do
    about=$(open_about)
    centred_over_window "$about"
    focus_and "$close" "$about"
    window_closed "$about" || fail "$close did not close About"
done

quit_editor "$EDITOR_PID" "$window" || true
