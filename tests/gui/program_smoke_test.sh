#!/usr/bin/env bash
# The program as a user starts it: its window appears, Esc ends it, and the exit status
# is 0. With WINDOW_CLASS, the window must also carry that window class (the instance name
# of WM_CLASS), by which a desktop ties the window to the program's desktop entry. Runs on
# the display it is given (the test runs it under xvfb-run).
# Usage: program_smoke_test.sh PROGRAM [WINDOW_CLASS]
set -euo pipefail
program=$1
window_class=${2:-}

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Norvessa$' | head -n 1)
[ -n "$window" ] || { echo "FAIL: the window never appeared"; exit 1; }
echo "window $window is up"
if [ -n "$window_class" ]; then
  class=$(xprop -id "$window" WM_CLASS)
  [[ $class == "WM_CLASS(STRING) = \"$window_class\","* ]] ||
    { echo "FAIL: window class $class, not $window_class"; exit 1; }
  echo "window class $window_class"
fi

# No window manager here: give the window the keyboard, then press Esc.
xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers Escape

status=0
timeout 20 tail --pid="$pid" -f /dev/null || { echo "FAIL: Esc did not end the program"; exit 1; }
wait "$pid" || status=$?
trap - EXIT
[ "$status" -eq 0 ] || { echo "FAIL: exit status $status"; exit 1; }
echo "PASS: Esc ended the program with status 0"
