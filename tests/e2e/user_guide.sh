#!/usr/bin/env bash
# "Open User Guide" (ctrl+h) opens the guide installed beside the editor with the desktop's default
# viewer (a stand-in xdg-open here, which notes what it was asked to open).
set -euo pipefail
source "$(dirname "$0")/common.bash"

guide_source="$(cd "$(dirname "$0")/../../doc/guide" && pwd)"
prefix="$WORK_DIR/prefix"
mkdir -p "$prefix/bin" "$prefix/share/doc/orbmini-editor" "$WORK_DIR/viewer"
cp "$EDITOR_BIN" "$prefix/bin/OrbMiniEditor"
cp "$guide_source/user-guide.html" "$prefix/share/doc/orbmini-editor/"
EDITOR_BIN="$prefix/bin/OrbMiniEditor"

cat >"$WORK_DIR/viewer/xdg-open" <<VIEWER
#!/bin/sh
echo "\$1" >>"$WORK_DIR/opened"
VIEWER
chmod +x "$WORK_DIR/viewer/xdg-open"
export PATH="$WORK_DIR/viewer:$PATH"

start_editor
window=$(wait_for_window "Kestrin OrbMini Editor - Untitled 1") || fail "first window did not appear"
opened() {   # waits up to three seconds for the viewer to be started
    for _ in $(seq 30); do [ -s "$WORK_DIR/opened" ] && return 0; sleep 0.1; done
    return 1
}
press_shortcut "$window" ctrl+h opened || fail "Open User Guide started no viewer"
first=$(head -n 1 "$WORK_DIR/opened")
[ "$first" = "$prefix/share/doc/orbmini-editor/user-guide.html" ] || fail "the viewer was asked to open '$first'"

quit_editor "$EDITOR_PID" "$window" || fail "editor quit with an error"
echo "user guide: ok"
