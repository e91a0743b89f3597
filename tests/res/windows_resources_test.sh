#!/usr/bin/env bash
# The Windows resources as a Windows build gets them: the icon file holds the window's three
# sizes as 32-bit images, and the resource script compiles with mingw-w64's windres into an
# object carrying the icon group, the version resource and the manifest.
# Usage: windows_resources_test.sh WINDRES RC_FILE ICO_FILE ICON_ID VERSION
set -euo pipefail
windres=$1
rc_file=$2
ico_file=$3
icon_id=$4
version=$5
IFS=. read -r major minor patch tweak <<<"$version"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
# expect DESCRIPTION TEXT FILE: FILE holds TEXT somewhere.
expect() {
  if grep -qaF -- "$2" "$3"; then echo "ok: $1"; else fail "$1: no '$2' in $(basename "$3")"; fi
}

# The icon file: exactly the 16, 32 and 48 px images, each at 32 bits per pixel.
icotool --list "$ico_file" >"$scratch/ico.txt"
cat >"$scratch/ico_expected.txt" <<ICONS
--icon --index=1 --width=16 --height=16 --bit-depth=32 --palette-size=0
--icon --index=2 --width=32 --height=32 --bit-depth=32 --palette-size=0
--icon --index=3 --width=48 --height=48 --bit-depth=32 --palette-size=0
ICONS
if diff -u "$scratch/ico_expected.txt" "$scratch/ico.txt"; then echo "ok: icon images"; else fail "icon images"; fi

# The script includes no Windows header, so the host's C preprocessor does for windres
# what mingw-w64's gcc would.
object=$scratch/receipt.o
"$windres" --preprocessor=cpp --input="$rc_file" --output-format=coff --output="$object" ||
  { echo "FAIL: windres could not compile $rc_file"; exit 1; }
echo "ok: windres compiled the resource script"

# Read the object back as a resource script and look at what it holds.
listing=$scratch/compiled.rc
"$windres" --input="$object" --output-format=rc >"$listing"
if [ "$(grep '^LANGUAGE' "$listing" | sort -u)" = "LANGUAGE 4, 2" ]; then
  echo "ok: every resource is Chinese (PRC), 0x0804"
else
  fail "resource languages: $(grep '^LANGUAGE' "$listing" | sort -u | tr '\n' ' ')"
fi
expect "icon group $icon_id" "$icon_id 14 /* RT_GROUP_ICON */" "$listing"
expect "icon group of three" "Has 3 elements." "$listing"
expect "16 px at 32 bits" '"\020\020\000\000", 1, 32,' "$listing"
expect "32 px at 32 bits" '"\040\040\000\000", 1, 32,' "$listing"
expect "48 px at 32 bits" '"\060\060\000\000", 1, 32,' "$listing"
expect "file version" "FILEVERSION $major, $minor, $patch, $tweak" "$listing"
expect "product version" "PRODUCTVERSION $major, $minor, $patch, $tweak" "$listing"
expect "string table Chinese (PRC), Unicode" 'BLOCK "080404b0"' "$listing"
expect "translation 0x0804, code page 1200" 'VALUE "Translation", 0x804, 1200' "$listing"
expect "file version text" "VALUE \"FileVersion\", \"$version\"" "$listing"
expect "product version text" "VALUE \"ProductVersion\", \"$version\"" "$listing"
expect "product name" 'VALUE "ProductName", "Norvessa"' "$listing"
expect "manifest resource" "1 24 /* RT_MANIFEST */" "$listing"
expect "common controls 6.0.0.0 asked for" \
  'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' "$object"

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "PASS: the Windows resources"
