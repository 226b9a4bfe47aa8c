#!/usr/bin/env bash
# Runs a command under the current X display, or under a private virtual one when none is set.
#   with-display.sh [--own-display] [--window-manager] COMMAND...
# With --own-display the command gets a private virtual display even when one is set, so that it
# can run beside other tests without sharing their windows, focus or keyboard; ORBMINI_XVFB_ARGS
# replaces that display's screen ("-screen 0 1920x1200x24").
# With --window-manager, openbox manages the display's windows while the command runs, as on a
# desktop (frames, placement, focus, configure events), unless a window manager already does.
set -euo pipefail

if [ "${1:-}" = "--own-display" ]; then
    shift
    unset DISPLAY
fi

with_wm=0
if [ "${1:-}" = "--window-manager" ]; then
    with_wm=1
    shift
fi

if [ -z "${DISPLAY:-}" ]; then
    # The server picks a free display number itself and writes it once it accepts clients, so
    # that displays started at the same moment never take the same number.
    scratch=$(mktemp -d)
    # shellcheck disable=SC2086
    Xvfb -displayfd 3 ${ORBMINI_XVFB_ARGS:--screen 0 1920x1200x24} -nolisten tcp -noreset \
        3>"$scratch/display" >"$scratch/xvfb.log" 2>&1 &
    xvfb=$!
    trap 'kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; rm -rf "$scratch"' EXIT
    for _ in $(seq 200); do
        [ -s "$scratch/display" ] && break
        kill -0 "$xvfb" 2>/dev/null || break
        sleep 0.05
    done
    [ -s "$scratch/display" ] || { cat "$scratch/xvfb.log" >&2; echo "with-display: Xvfb did not start" >&2; exit 1; }
    export DISPLAY=":$(head -n 1 "$scratch/display")"
    unset ORBMINI_XVFB_ARGS
    status=0
    if [ "$with_wm" -eq 1 ]; then "$0" --window-manager "$@" || status=$?; else "$@" || status=$?; fi
    exit "$status"
fi
[ "$with_wm" -eq 1 ] || exec "$@"

# A window manager runs when the window named on the root as its check window exists.
wm_running() {
    local id
    id=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | awk '/window id/ { print $NF }')
    [ -n "$id" ] && xprop -id "$id" >/dev/null 2>&1
}
wm_running && exec "$@"

config=$(mktemp -d)
wm=""
stop_wm() {
    [ -z "$wm" ] || { kill "$wm" 2>/dev/null || true; wait "$wm" 2>/dev/null || true; }
    rm -rf "$config"
}
trap stop_wm EXIT
# A virtual X server resets when its last client leaves and refuses connections meanwhile: a
# window manager that could not connect is started again.
for _ in 1 2 3 4 5; do
    XDG_CONFIG_HOME=$config openbox >"$config/openbox.log" 2>&1 &
    wm=$!
    for _ in $(seq 100); do
        wm_running && break 2
        kill -0 "$wm" 2>/dev/null || break
        sleep 0.05
    done
    kill "$wm" 2>/dev/null || true
    wait "$wm" 2>/dev/null || true
    wm=""
    sleep 0.2
done
[ -n "$wm" ] || { cat "$config/openbox.log" >&2; echo "with-display: openbox did not start" >&2; exit 1; }
status=0
"$@" || status=$?
exit "$status"
