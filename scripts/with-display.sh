#!/usr/bin/env bash
# Runs a command under the current X display, or under a private virtual one when none is set.
set -euo pipefail
if [ -n "${DISPLAY:-}" ]; then
    exec "$@"
fi
exec xvfb-run -a -s "-screen 0 1920x1200x24 -nolisten tcp" "$@"
