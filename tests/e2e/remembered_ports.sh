#!/usr/bin/env bash
# The editor picks up where the musician left off: the controller's ports are taken, remembered
# and open again at the next start, the status line says so and opens Device Setup, and a settings
# file that cannot be read costs one alert and nothing else.
set -euo pipefail
source "$(dirname "$0")/common.bash"

SETTINGS="$XDG_CONFIG_HOME/orbmini-editor/settings.xml"
CONNECTED=2e9e4f   # the status line's dot: green while the ports are open
TITLE="Kestrin OrbMini Editor - Untitled 1"

# First start: nothing is remembered, and the one controller listed (the simulator) is taken.
start_demo_editor
window=$(wait_for_window "$TITLE") || fail "no window at the first start"
window_geometry "$window"
status_shows "$window" "$CONNECTED" || fail "the status line does not show the simulator connected"
grep -q 'OrbMini Simulator' "$SETTINGS" || fail "the chosen ports were not remembered"

# The status line opens Device Setup, where the open ports are chosen; OK keeps them.
sleep 1
xdotool mousemove --window "$window" $((WIDTH - 80)) $((MENU_H / 2)) click 1
setup=$(wait_for_window "OrbMini Editor Device Manager" 10) || fail "a click on the status line did not open Device Setup"
press_shortcut "$setup" Return window_closed "$setup" || fail "Device Setup did not close on Return"
quit_editor "$EDITOR_PID" "$window" || fail "the editor did not end cleanly"

# Second start: the remembered ports are open again.
start_demo_editor
window=$(wait_for_window "$TITLE") || fail "no window at the second start"
window_geometry "$window"
status_shows "$window" "$CONNECTED" || fail "the remembered ports are not open at the second start"
quit_editor "$EDITOR_PID" "$window" || fail "the editor did not end cleanly"

# A settings file that cannot be read: one alert, then a working editor on the defaults.
printf 'not a settings file\001' >"$SETTINGS"
start_demo_editor
alert=$(wait_for_window "Settings Not Read") || fail "no alert for the unreadable settings file"
sleep 1
[ "$(xdotool search --onlyvisible --name '^Settings Not Read$' | wc -l)" -eq 1 ] || fail "more than one alert"
[ -f "$SETTINGS.bad" ] || fail "the unreadable file was not moved aside"
press_shortcut "$alert" Return window_closed "$alert" || fail "the alert did not close on Return"
window=$(wait_for_window "$TITLE") || fail "no editor window after the alert"
window_geometry "$window"
status_shows "$window" "$CONNECTED" || fail "the editor did not take the controller after the alert"
grep -q 'OrbMini Simulator' "$SETTINGS" || fail "settings are not kept after the unreadable file"
quit_editor "$EDITOR_PID" "$window" || fail "the editor did not end cleanly"
echo "remembered ports: ok"
