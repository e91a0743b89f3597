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

# The manifest compiled in is the one below, as Windows reads it: each setting in the
# namespace Windows looks for it in (one anywhere else is silently ignored), with its value.
manifest=$(sed -n 's/^1 24 "\(.*\)"$/\1/p' "$rc_file")
expect "manifest compiled in" "PerMonitorV2,PerMonitor" "$object"
python3 - "$manifest" <<'MANIFEST' || fail "the manifest's settings"
import sys
import xml.etree.ElementTree as ElementTree

asm = "{urn:schemas-microsoft-com:asm.v3}"
compatibility = "{urn:schemas-microsoft-com:compatibility.v1}"
settings = asm + "application/" + asm + "windowsSettings/"
expected = [  # (what, path, attribute or None for the text, value)
    ("DPI-aware on 7 to 8.1", settings + "{http://schemas.microsoft.com/SMI/2005/WindowsSettings}dpiAware", None, "true/pm"),
    ("DPI-aware on 10 and 11", settings + "{http://schemas.microsoft.com/SMI/2016/WindowsSettings}dpiAwareness", None, "PerMonitorV2,PerMonitor"),
    ("no elevation", asm + "trustInfo/" + asm + "security/" + asm + "requestedPrivileges/" + asm + "requestedExecutionLevel", "level", "asInvoker"),
]
for system, guid in [("7", "35138b9a-5d96-4fbd-8e2d-a2440225f93a"), ("8", "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38"),
                     ("8.1", "1f676c76-80e1-4239-95bb-83d0f6d0da78"), ("10 and 11", "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a")]:
    expected.append(("written for Windows " + system, compatibility + "compatibility/" + compatibility + "application/"
                     + compatibility + "supportedOS[@Id='{" + guid + "}']", "Id", "{" + guid + "}"))
root = ElementTree.parse(sys.argv[1]).getroot()
failed = False
for what, path, attribute, value in expected:
    element = root.find(path)
    found = None if element is None else (element.text if attribute is None else element.get(attribute))
    print(("ok: " if found == value else "FAIL: ") + what + ": " + repr(found))
    failed |= found != value
sys.exit(1 if failed else 0)
MANIFEST

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "PASS: the Windows resources"
