#!/usr/bin/env bash
# The Windows program as Windows loads it: a 32-bit Windows GUI program whose header asks
# for no Windows newer than 7 (6.1), importing only from Windows 7's own DLLs and only
# functions that Windows 7 has (the list given, checked one by one): a Windows 7 PC refuses
# to start a program that names a newer system or a function its DLLs lack.
# Usage: windows_pe_test.sh OBJDUMP PROGRAM.exe ALLOWED_IMPORTS
set -euo pipefail
objdump=$1 program=$2 allowed=$3

headers=$("$objdump" -p "$program")
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
field() { awk -v name="$1" '$1 == name { print $2; exit }' <<<"$headers"; }

[ "$(field Magic)" = 010b ] || fail "not a 32-bit (PE32) program: Magic $(field Magic)"
[ "$(field Subsystem)" = 00000002 ] || fail "not a Windows GUI program: Subsystem $(field Subsystem)"
for version in OSystem Subsystem; do
  major=$(field "Major${version}Version")
  minor=$(field "Minor${version}Version")
  if [ "$major" -gt 6 ] || { [ "$major" -eq 6 ] && [ "$minor" -gt 1 ]; }; then
    fail "the header's $version version $major.$minor is newer than Windows 7's 6.1"
  else
    echo "ok: $version version $major.$minor"
  fi
done

# The import tables: "DLL Name: X" and then one line per function (an ordinal where it
# has no name), up to a blank line.
imports=$(awk '/DLL Name:/ { dll = tolower($3); next }
               dll && /^\t[0-9a-f]+\t/ { print dll "!" $NF }
               /^$/ { dll = "" }' <<<"$headers" | LC_ALL=C sort -u)
[ -n "$imports" ] || fail "no import read from $(basename "$program")"
echo "ok: $(wc -l <<<"$imports") functions imported from $(cut -d'!' -f1 <<<"$imports" | uniq |
  tr '\n' ' ')"
unknown=$(LC_ALL=C comm -23 <(cat <<<"$imports") <(grep -v '^#' "$allowed" | LC_ALL=C sort -u))
if [ -n "$unknown" ]; then
  fail "imports not known to be on Windows 7 (check each, then add it to $allowed):"
  echo "$unknown"
fi

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "PASS: $(basename "$program") loads on Windows 7"
