#!/bin/sh
# Usage: with-window-manager.sh WM TEST [ARGS...]
# Runs TEST on the current X display with the window manager WM beside it; TEST's exit status is the result.
wm="$1"
shift
"$wm" >/dev/null 2>&1 &
wm_pid=$!
"$@"
status=$?
kill "$wm_pid" 2>/dev/null
wait "$wm_pid" 2>/dev/null
exit $status
