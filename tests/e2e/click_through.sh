#!/usr/bin/env bash
# A day's use, by mouse and keyboard at screen positions: every tab and every region of the device
# picture shows its section, a number typed into a box is saved through the file chooser, and the
# next start with that file on the command line shows the typed number under the file's name.
set -euo pipefail
source "$(dirname "$0")/common.bash"

DEFAULT_PRESET="$(cd "$(dirname "$0")/../../src/resources" && pwd)/DefaultPreset.syx"
mkdir "$WORK_DIR/presets"
SAVED="$WORK_DIR/presets/knob set.orp"

# The editor's layout, in its own coordinates (the area below the menu bar): a row of tabs at
# y 450 to 490, the device picture (786 x 378) centred at the top from y 50.
TAB_Y=470
TAB_X=(69 204 336 468 600 732 864 996 1131)   # Main, Knobs, Switches, Drum Pads, Roll Mode,
                                              # Transport, Keybed, Mod/Pitch, Sustain
PICTURE_X=207
PICTURE_Y=50
# Picture regions: "x y view", the centre of each region within the picture and the view it shows.
REGIONS=(
    "111 247 3"   # drum pads
    "573 27 1"    # knobs
    "574 77 2"    # switches
    "484 266 6"   # keybed
    "67 66 7"     # pitch and mod wheels
    "251 110 5"   # transport buttons
    "267 84 4"    # roll button
    "182 84 6"    # octave buttons
    "234 84 5"    # tap button
)
KNOB1_CC_BOX="190 587"   # Knob 1's "CC" number box on the knob view

window_geometry() {   # sets WIN_H and MENU_H of window $1, once its menu bar is there
    for _ in $(seq 100); do
        eval "$(xdotool getwindowgeometry --shell "$1")"
        WIN_H=$HEIGHT
        MENU_H=$((WIN_H - 700))   # the editor itself is 700 high
        [ "$MENU_H" -gt 0 ] && return 0
        sleep 0.1
    done
    fail "the window never showed its menu bar"
}

click_at() {          # click_at WINDOW X Y, in the editor's coordinates
    xdotool mousemove --window "$1" "$2" $(($3 + MENU_H)) click 1
}

# The window's picture with the pointer parked on a plain part of the background, once it differs
# from the picture given (if any) and three in a row agree: the click's repaint has then landed,
# however slowly a loaded machine handles it.
window_picture() {
    local window="$1" before="${2:-}" last="" now same=0
    xdotool mousemove --window "$window" 5 $((WIN_H - 5))
    for _ in $(seq 100); do
        sleep 0.1
        now=$(xwd -id "$window" -silent | md5sum | cut -d' ' -f1)
        if [ "$now" = "$last" ] && [ "$now" != "$before" ]; then
            same=$((same + 1))
            [ "$same" -ge 2 ] && { echo "$now"; return 0; }
        else
            same=0
        fi
        last=$now
    done
    fail "the window did not settle on a new picture"
}

# select_knob1_cc WINDOW MAIN_PICTURE: goes from the main view (showing MAIN_PICTURE) to the knob
# view, opens Knob 1's CC box for typing and selects its text.
select_knob1_cc() {
    local x y
    click_at "$1" "${TAB_X[1]}" "$TAB_Y"
    window_picture "$1" "$2" >/dev/null
    read -r x y <<<"$KNOB1_CC_BOX"
    click_at "$1" "$x" "$y"
    sleep 0.3
    send_chord ctrl+a
}

start_editor
window=$(wait_for_window "Kestrin OrbMini Editor - Untitled 1") || fail "no first window"
window_geometry "$window"
sleep "${SHORTCUT_SETTLE_SECONDS:-2}"

# Each tab shows a view of its own.
declare -a tab_picture
tab_picture[0]=$(window_picture "$window")
last_picture=${tab_picture[0]}
for view in $(seq 1 8) 0; do
    click_at "$window" "${TAB_X[$view]}" "$TAB_Y"
    tab_picture[view]=$(window_picture "$window" "$last_picture")
    last_picture=${tab_picture[$view]}
done
[ "$(printf '%s\n' "${tab_picture[@]}" | sort -u | wc -l)" -eq 9 ] || fail "two tabs showed the same picture"

# Each region of the picture shows exactly what its section's tab shows.
for region in "${REGIONS[@]}"; do
    read -r x y view <<<"$region"
    click_at "$window" $((PICTURE_X + x)) $((PICTURE_Y + y))
    [ "$(window_picture "$window" "${tab_picture[0]}")" = "${tab_picture[$view]}" ] \
        || fail "the region at $x,$y did not show view $view"
    click_at "$window" "${TAB_X[0]}" "$TAB_Y"
    window_picture "$window" "${tab_picture[$view]}" >/dev/null
done

# Type a number into Knob 1's CC box.
select_knob1_cc "$window" "${tab_picture[0]}"
xdotool type --delay 60 "64"
xdotool key Return

# Save: the untitled window asks for a name.
save_as_typed "$window" "$SAVED"
wait_for_window "Kestrin OrbMini Editor - knob set" 10 >/dev/null || fail "the window did not take the file's name"

# The preset is the default one with that one number changed (the frames differ: a file's is not
# the built-in dump's).
[ "$(stat -c %s "$SAVED")" -eq 316 ] || fail "saved file has the wrong size"
changes=$(cmp -l <(tail -c +11 "$DEFAULT_PRESET") <(tail -c +11 "$SAVED") || true)
[ "$(wc -l <<<"$changes")" -eq 1 ] || fail "expected exactly one changed byte, got: $changes"
[ "$(awk '{print $3}' <<<"$changes")" = "100" ] || fail "the changed byte is not 64: $changes"   # cmp prints octal

quit_editor "$EDITOR_PID" "$window" || fail "editor quit with an error"

# Start again with the file: its name in the title, and the number in Knob 1's CC box.
start_editor "$SAVED"
window=$(wait_for_window "Kestrin OrbMini Editor - knob set") || fail "the saved file did not open"
window_geometry "$window"
sleep "${SHORTCUT_SETTLE_SECONDS:-2}"
select_knob1_cc "$window" "$(window_picture "$window")"
send_chord ctrl+c
xdotool key Escape
shown=""
for _ in $(seq 50); do
    shown=$(timeout 2 xclip -o -selection clipboard 2>/dev/null || true)
    [ -n "$shown" ] && break
    sleep 0.1
done
[ "$shown" = "64" ] || fail "Knob 1's CC box shows '$shown' after the restart"

quit_editor "$EDITOR_PID" "$window" || fail "editor quit with an error"
echo "click through: ok"
