#!/usr/bin/env bash
# Windows come up whole: ten windows opened one after another with "New Window" each show the
# whole editor and its menu bar (their own client area, as the window manager, if any, left it),
# fully on the screen, each at a top-left corner of its own, and keep that size.
set -euo pipefail
source "$(dirname "$0")/common.bash"

start_editor
first=$(wait_for_window "Kestrin OrbMini Editor - Untitled 1") || fail "first window did not appear"
windows=("$first")
for n in $(seq 2 10); do
    id=$(SHORTCUT_SETTLE_SECONDS=0.3 press_shortcut "$first" ctrl+n \
             wait_for_window "Kestrin OrbMini Editor - Untitled $n" 10) || fail "New Window did not open window $n"
    windows+=("$id")
done

read -r screen_w screen_h < <(xdotool getdisplaygeometry)
sleep 1   # let late configure events land: a window must keep its size, not only reach it
declare -A corners
menu_h=""
for id in "${windows[@]}"; do
    info=$(xwininfo -id "$id")
    x=$(awk '/Absolute upper-left X/ { print $NF }' <<<"$info")
    y=$(awk '/Absolute upper-left Y/ { print $NF }' <<<"$info")
    w=$(awk '/^ *Width:/ { print $NF }' <<<"$info")
    h=$(awk '/^ *Height:/ { print $NF }' <<<"$info")
    name=$(xdotool getwindowname "$id")
    [ "$w" -eq 1200 ] || fail "$name is $w wide, not 1200"
    [ "$h" -gt 700 ] || fail "$name is $w x $h: no room for its menu bar above the editor"
    [ -z "$menu_h" ] || [ "$h" -eq $((700 + menu_h)) ] || fail "$name is $h high, the first window $((700 + menu_h))"
    menu_h=$((h - 700))
    [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le "$screen_w" ] && [ $((y + h)) -le "$screen_h" ] \
        || fail "$name at $x,$y ($w x $h) is not fully on the $screen_w x $screen_h screen"
    [ -z "${corners[$x,$y]:-}" ] || fail "$name shares its top-left corner $x,$y with ${corners[$x,$y]}"
    corners[$x,$y]=$name
done

quit_editor "$EDITOR_PID" "$first" || fail "editor quit with an error"
echo "window geometry: ok (ten windows of 1200 x $((700 + menu_h)))"
