#!/usr/bin/env bash
# A 4K screen set to 200 % through the X resources ("Xft.dpi: 192", the way an X desktop without a
# settings daemon tells programs its scale): the first window comes up at twice the editor's size,
# and "Options > Zoom > 100 %" brings it back to the editor's own 1200 x 724 (700 and the menu bar),
# as the next start remembers.
# The same screen with its scale served over XSETTINGS instead (a window scaling factor of 2, as a
# GTK desktop's settings daemon serves it) also opens the window at twice the size.
set -euo pipefail

# A display of its own: the scale is a property of the screen the editor starts on. -noreset keeps
# the resources loaded when xrdb, the first client, disconnects.
if [ -z "${ORBMINI_SCALED_SCREEN:-}" ]; then
    ORBMINI_SCALED_SCREEN=1 ORBMINI_XVFB_ARGS="-screen 0 3840x2160x24 -dpi 192" \
        exec bash "$(dirname "$0")/../../scripts/with-display.sh" --own-display bash "$0" "$@"
fi

source "$(dirname "$0")/common.bash"

printf 'Xft.dpi: 192\n' | xrdb -nocpp -merge

client_size() {   # the window's client area, "WIDTHxHEIGHT"
    xwininfo -id "$1" | awk '/^ *Width:/ { w = $2 } /^ *Height:/ { h = $2 } END { print w "x" h }'
}

# wait_for_size WINDOW SIZE: the window's client area reaches SIZE within ten seconds.
wait_for_size() {
    local size=""
    for _ in $(seq 100); do
        size=$(client_size "$1")
        [ "$size" = "$2" ] && return 0
        sleep 0.1
    done
    fail "window is $size, not $2"
}

start_editor
WINDOW=$(wait_for_window "Kestrin OrbMini Editor - Untitled 1") || fail "no window"
wait_for_size "$WINDOW" 2400x1448

# The menu bar by keyboard from "File", its first menu: leftwards it wraps round to "Help", then
# "Window", then "Options", wherever the menus before "Options" end. In "Options": "Device Setup",
# "Zoom", whose submenu opens on "100 %".
sleep 1
xdotool mousemove --window "$WINDOW" 30 24 click 1
sleep 0.5
for key in Left Left Left Down Down Right Return; do
    xdotool key "$key"
    sleep 0.3
done
wait_for_size "$WINDOW" 1200x724

quit_editor "$EDITOR_PID" "$WINDOW"

# The zoom chosen is the zoom of the next start, on the same 200 % screen.
start_editor
WINDOW=$(wait_for_window "Kestrin OrbMini Editor - Untitled 1") || fail "no window at the second start"
wait_for_size "$WINDOW" 1200x724
quit_editor "$EDITOR_PID" "$WINDOW"

# From here on a first start again, following the desktop.
rm -rf "$XDG_CONFIG_HOME"
xrdb -remove
printf 'Gdk/WindowScalingFactor 2\n' >"$WORK_DIR/xsettingsd.conf"
xsettingsd -c "$WORK_DIR/xsettingsd.conf" >"$WORK_DIR/xsettingsd.out" 2>&1 &
XSETTINGSD_PID=$!
PIDS+=("$XSETTINGSD_PID")
for _ in $(seq 50); do
    grep -q "Created window" "$WORK_DIR/xsettingsd.out" && break
    sleep 0.1
done

start_editor
WINDOW=$(wait_for_window "Kestrin OrbMini Editor - Untitled 1") || fail "no window under xsettingsd"
wait_for_size "$WINDOW" 2400x1448
quit_editor "$EDITOR_PID" "$WINDOW"
kill "$XSETTINGSD_PID"
wait "$XSETTINGSD_PID" 2>/dev/null || true
echo "PASS: scaled to 2400x1448 by Xft.dpi 192 and by an XSETTINGS window scaling factor of 2, 1200x724 after Zoom > 100 % and at the start after"
