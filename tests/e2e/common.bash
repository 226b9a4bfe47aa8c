# Helpers for the end-to-end tests: they drive the built editor under the current X display.
# Sourced by the test scripts; not a test of its own.

EDITOR_BIN="$1"
WORK_DIR="$(mktemp -d)"
chmod 700 "$WORK_DIR"
# A private runtime folder keeps the test's single-instance channel apart from any real editor.
export XDG_RUNTIME_DIR="$WORK_DIR/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
PIDS=()

cleanup() {
    for pid in "${PIDS[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
    rm -rf "$WORK_DIR"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

start_editor() {
    "$EDITOR_BIN" "$@" >"$WORK_DIR/editor.out" 2>&1 &
    EDITOR_PID=$!
    PIDS+=("$EDITOR_PID")
}

# wait_for_window TITLE [SECONDS]: prints the window id once a window of exactly that title shows.
wait_for_window() {
    local title="$1" seconds="${2:-20}" id
    for _ in $(seq $((seconds * 10))); do
        id=$(xdotool search --name "^${title}\$" 2>/dev/null | head -n 1)
        if [ -n "$id" ]; then echo "$id"; return 0; fi
        sleep 0.1
    done
    return 1
}

# press_shortcut WINDOW KEYS: focuses the window and presses the keys. A window that has only just
# appeared is still drawing its first frames; a shortcut pressed then can reach the editor without its
# modifier (the framework reads the modifier state afresh when it is late), so give it a moment first.
press_shortcut() {
    local window="$1" keys="$2"
    sleep "${SHORTCUT_SETTLE_SECONDS:-2}"
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool key "$keys" 2>/dev/null || true
}

# quit_editor PID WINDOW: presses the quit shortcut in the window and returns the exit status.
# Quitting twice does no harm, so a press that got lost is repeated once.
quit_editor() {
    local pid="$1" window="$2" attempt
    for attempt in 1 2; do
        press_shortcut "$window" ctrl+q
        for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        kill -0 "$pid" 2>/dev/null || break
    done
    kill -0 "$pid" 2>/dev/null && fail "editor did not quit"
    wait "$pid"
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
