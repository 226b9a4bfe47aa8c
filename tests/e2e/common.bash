# Helpers for the end-to-end tests: they drive the built editor under the current X display.
# Sourced by the test scripts; not a test of its own.

EDITOR_BIN="$(realpath "$1")"
# The same editor with the simulated controller among its MIDI devices, for tests that need one.
DEMO_EDITOR_BIN="$(realpath "${2:-$1}")"
WORK_DIR="$(mktemp -d)"
chmod 700 "$WORK_DIR"
# The editor's settings stay in the test's own folder.
export XDG_CONFIG_HOME="$WORK_DIR/config"
# A private runtime folder keeps the test's single-instance channel apart from any real editor.
export XDG_RUNTIME_DIR="$WORK_DIR/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
PIDS=()

cleanup() {
    for pid in "${PIDS[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
    rm -rf "$WORK_DIR"
}
trap cleanup EXIT

# fail MESSAGE: ends the test, showing the windows on the display and which one has the focus.
fail() {
    echo "FAIL: $*" >&2
    local id
    for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
        echo "  window $id: $(xdotool getwindowname "$id" 2>/dev/null)" >&2
    done
    echo "  focus: $(xdotool getwindowfocus getwindowname 2>/dev/null || echo none)" >&2
    if [ -n "${EDITOR_PID:-}" ]; then
        if kill -0 "$EDITOR_PID" 2>/dev/null; then
            echo "  the editor is still running: $(ps -o stat=,etime=,time= -p "$EDITOR_PID")" >&2
        else
            echo "  the editor has ended" >&2
        fi
    fi
    if [ -s "$WORK_DIR/editor.out" ]; then
        echo "  the editor's last output:" >&2
        grep -v '^ALSA lib' "$WORK_DIR/editor.out" | tail -n 5 | sed 's/^/    /' >&2
    fi
    exit 1
}

start_editor() {
    "$EDITOR_BIN" "$@" >"$WORK_DIR/editor.out" 2>&1 &
    EDITOR_PID=$!
    PIDS+=("$EDITOR_PID")
}

# wait_for_window TITLE [SECONDS]: prints the window id once a window of exactly that title is shown
# (the framework names a window before it maps it, and an unmapped window cannot take the focus).
wait_for_window() {
    local title="$1" seconds="${2:-20}" id
    for _ in $(seq $((seconds * 10))); do
        id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1)
        if [ -n "$id" ]; then echo "$id"; return 0; fi
        sleep 0.1
    done
    return 1
}

# send_chord KEYS [COMMAND...]: presses a chord such as ctrl+n and keeps its modifiers held until
# COMMAND has seen the chord take effect, or for half a second without one, so that a busy editor
# that reads the keyboard state late still finds them down. Prints what COMMAND prints and returns
# its status.
send_chord() {
    local keys="$1" key="${1##*+}" modifiers="" status=0
    shift
    if [ "$key" != "$keys" ]; then modifiers="${keys%+*}"; fi
    if [ -n "$modifiers" ]; then xdotool keydown "$modifiers" 2>/dev/null || true; fi
    xdotool key "$key" 2>/dev/null || true
    if [ $# -gt 0 ]; then "$@" || status=$?; else sleep 0.5; fi
    if [ -n "$modifiers" ]; then xdotool keyup "$modifiers" 2>/dev/null || true; fi
    return "$status"
}

# press_shortcut WINDOW KEYS [COMMAND...]: focuses the window and sends the chord as send_chord does.
# A window that has only just appeared is still drawing its first frames, so give it a moment first.
# With a COMMAND, a chord that had no effect is sent once more.
press_shortcut() {
    local window="$1"
    shift
    for _ in 1 2; do
        sleep "${SHORTCUT_SETTLE_SECONDS:-2}"
        xdotool windowfocus --sync "$window" 2>/dev/null || true
        send_chord "$@" && return 0
        [ $# -gt 1 ] || return 0
    done
    return 1
}

# process_ended PID: waits up to ten seconds for the process to end.
process_ended() {
    for _ in $(seq 100); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
    return 1
}

# window_closed WINDOW: waits up to ten seconds for the window to go.
window_closed() {
    for _ in $(seq 100); do
        xdotool getwindowname "$1" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}

# quit_editor PID WINDOW: presses the quit shortcut in the window and returns the exit status.
quit_editor() {
    local pid="$1" window="$2"
    press_shortcut "$window" ctrl+q process_ended "$pid" || fail "editor did not quit"
    wait "$pid"
}

# save_as_typed WINDOW PATH: "Save" in an untitled window, answered by typing the path into the
# chooser's file box: return goes to the path's folder, return again saves.
save_as_typed() {
    local chooser
    chooser=$(press_shortcut "$1" ctrl+s wait_for_window "Select Filename to save" 10) || fail "no file chooser"
    save_in_chooser "$chooser" "$2"
}

# A preset file the editor accepts: the frame around 305 payload bytes, all within 0 to 0x7F.
write_preset() {
    local path="$1"
    {
        printf '\xF0\x00\x3C\x17\x00\x3E\x61\x03\x51\x00'
        head -c 305 /dev/zero | tr '\0' '\001'
        printf '\xF7'
    } >"$path"
}

# window_manager_running: whether the check window a window manager names on the root exists (a
# window manager that has ended leaves its root properties behind).
window_manager_running() {
    local id
    id=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | awk '/window id/ { print $NF }')
    [ -n "$id" ] && xprop -id "$id" >/dev/null 2>&1
}

# editor_windows_stacked: the ids of the editor's shown windows (editor windows, dialogs, alerts),
# from the bottom of the stack to the top: the window manager's stacking list where one runs, the
# root window's children otherwise.
editor_windows_stacked() {
    local ours id
    ours=" $(xdotool search --onlyvisible --pid "$EDITOR_PID" 2>/dev/null | tr '\n' ' ') "
    if window_manager_running; then
        for id in $(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,/ /g'); do
            id=$((id))
            [[ "$ours" == *" $id "* ]] && echo "$id"
        done
    else
        # xwininfo lists the root's children from the top of the stack down.
        for id in $(xwininfo -root -children | awk '/^ +0x/ { print $1 }' | tac); do
            id=$((id))
            [[ "$ours" == *" $id "* ]] && echo "$id"
        done
    fi
    return 0
}

# The editor's layout, in its own coordinates (the area below the menu bar): a row of tabs at
# y 450 to 490, the device picture (786 x 378) centred at the top from y 50.
TAB_Y=470
TAB_X=(69 204 336 468 600 732 864 996 1131)   # Main, Knobs, Switches, Drum Pads, Roll Mode,
                                              # Transport, Keybed, Mod/Pitch, Sustain
PICTURE_X=207
PICTURE_Y=50
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

# read_clipboard: what the clipboard holds, once something does.
read_clipboard() {
    local shown=""
    for _ in $(seq 50); do
        shown=$(timeout 2 xclip -o -selection clipboard 2>/dev/null || true)
        [ -n "$shown" ] && break
        sleep 0.1
    done
    echo "$shown"
}

# save_in_chooser CHOOSER PATH: answers the editor's save chooser with PATH. Typing a path into the
# chooser's file box and pressing return goes to its folder; return again saves.
save_in_chooser() {
    local WIDTH HEIGHT X Y SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove --window "$1" $((WIDTH / 2)) $((HEIGHT - 64)) click 1
    sleep 0.3
    xdotool type --delay 20 "$2"
    xdotool key Return
    sleep 0.5
    xdotool key Return
}

# start_demo_editor [ARGS...]: the editor with the simulated controller among its MIDI devices.
start_demo_editor() {
    EDITOR_BIN="$DEMO_EDITOR_BIN" start_editor "$@"
}

# menu_bar_shows_colour WINDOW RRGGBB: whether a pixel of that colour is in the middle row of the
# window's menu bar (where the MIDI status line draws its dot). Needs window_geometry first.
menu_bar_shows_colour() {
    local dump="$WORK_DIR/window.xwd" rgb="$2" header bytes_per_line colours
    xwd -id "$1" -silent >"$dump" 2>/dev/null || return 1
    header=$(od -An -tu4 --endian=big -N4 "$dump")
    bytes_per_line=$(od -An -tu4 --endian=big -j48 -N4 "$dump")
    colours=$(od -An -tu4 --endian=big -j76 -N4 "$dump")
    # 32-bit pixels, least significant byte first: blue, green, red, unused.
    od -An -tx1 -v -j $((header + colours * 12 + (MENU_H / 2) * bytes_per_line)) -N "$bytes_per_line" "$dump" \
        | tr -d ' \n' | fold -w8 | grep -q "^${rgb:4:2}${rgb:2:2}${rgb:0:2}"
}

# status_shows WINDOW RRGGBB [SECONDS]: waits for the status line's dot to take that colour.
status_shows() {
    for _ in $(seq $((${3:-10} * 10))); do
        menu_bar_shows_colour "$1" "$2" && return 0
        sleep 0.1
    done
    return 1
}
