#!/usr/bin/env bash
# A day's use, by mouse and keyboard at screen positions: every tab and every region of the device
# picture shows its section, a number typed into a box is saved through the file chooser, and the
# next start with that file on the command line shows the typed number under the file's name.
set -euo pipefail
source "$(dirname "$0")/common.bash"

DEFAULT_PRESET="$(cd "$(dirname "$0")/../../src/resources" && pwd)/DefaultPreset.syx"
mkdir "$WORK_DIR/presets"
SAVED="$WORK_DIR/presets/knob set.orp"

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
shown=$(read_clipboard)
[ "$shown" = "64" ] || fail "Knob 1's CC box shows '$shown' after the restart"

quit_editor "$EDITOR_PID" "$window" || fail "editor quit with an error"
echo "click through: ok"
