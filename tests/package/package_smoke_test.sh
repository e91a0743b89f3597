#!/usr/bin/env bash
# The installed program as the desktop starts it: the desktop entry's command, run from the
# unpacked package, opens the window (carrying the window class the entry names, so the
# desktop ties the window to its entry) and Esc ends it with status 0.
# Usage: package_smoke_test.sh OUTPUT_DIR APP_ID PROGRAM_SMOKE_TEST  (on a display)
set -euo pipefail
root=$1/root
desktop_entry=$root/usr/share/applications/$2.desktop
smoke_test=$3

program=$(sed -n 's/^Exec=//p' "$desktop_entry" | cut -d' ' -f1)
window_class=$(sed -n 's/^StartupWMClass=//p' "$desktop_entry")
[ -n "$program" ] && [ -n "$window_class" ] ||
  { echo "FAIL: the desktop entry names no program or no window class"; exit 1; }
exec "$smoke_test" "$root/usr/bin/$program" "$window_class"
