#!/usr/bin/env bash
# The Windows installer as a shop owner runs it, in a Wine prefix of its own made afresh
# (32- or 64-bit Windows as WINEARCH says): a quiet install puts the program into Program
# Files\Norvessa (Program Files (x86) on 64-bit Windows), a Start-menu shortcut and an
# entry in the installed-programs list; the installed program starts and Esc ends it; a
# quiet uninstall takes all three away again. Given an earlier installer, that one is
# installed first and the install must replace it in place. The installer and the portable
# .zip both carry the third-party notices beside the program. Runs on the display it is
# given.
# Usage: windows_installer_test.sh INSTALLER.msi VERSION WINE_PREFIX WINE_RUN SMOKE_TEST
#                                  PORTABLE.zip [EARLIER_64_BIT_INSTALLER.msi]
set -euo pipefail
msi=$1 version=$2 prefix=$3 wine_run=$4 smoke_test=$5 zip=$6 earlier=${7:-}

fail() { echo "FAIL: $*"; exit 1; }
wine() { "$wine_run" --prefix "$prefix" "$@"; }

rm -rf "$prefix" "$prefix.lock"
earlier_dir="$prefix/drive_c/Program Files/Norvessa"
# Windows puts a per-machine install's shortcut into the Start menu of all users; Wine's
# installer puts it into the installing user's.
shortcuts=("$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Norvessa.lnk"
           "$prefix/drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Norvessa.lnk")
installed_shortcut() {
  local each
  for each in "${shortcuts[@]}"; do [ -f "$each" ] && echo "$each"; done
  return 0
}
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'

# The installed-programs list as reg prints it, from the 64-bit registry and the 32-bit
# one: Windows keeps a 32-bit installer's entry in the first, Wine in the second.
installed_programs() {
  local view
  for view in 64 32; do wine reg query "$uninstall_key" /s /reg:$view 2>/dev/null || true; done |
    tr -d '\r'
}
# The entries that name Norvessa: their keys, one a line.
norvessa_keys() {
  installed_programs | awk '/^HKEY/ { key = $0 } /DisplayName.*Norvessa/ { print key }' | sort -u
}
# The entry of the installed-programs list that names Norvessa, as "name = value" lines.
uninstall_entry() {
  installed_programs |
    awk '/^HKEY/ { key = $0 } /DisplayName.*Norvessa/ { found = key }
         { lines[key] = lines[key] "\n" $0 } END { if (found) print lines[found] }'
}

if [ -n "$earlier" ]; then
  wine msiexec /i "$(realpath "$earlier")" /qn || fail "msiexec /i of the earlier ended with status $?"
  [ -f "$earlier_dir/receipt.exe" ] || fail "the earlier installer put no receipt.exe into Program Files"
  echo "earlier version installed:$(uninstall_entry)"
fi

wine msiexec /i "$(realpath "$msi")" /qn || fail "msiexec /i ended with status $?"
program_files='Program Files'
[ -d "$prefix/drive_c/Program Files (x86)" ] && program_files='Program Files (x86)'
program_dir="$prefix/drive_c/$program_files/Norvessa"
[ -f "$program_dir/receipt.exe" ] || fail "no receipt.exe in $program_files\\Norvessa"
if [ -n "$earlier" ]; then
  [ ! -e "$earlier_dir" ] || fail "the earlier version's Program Files\\Norvessa is still there"
fi
# The libraries' licences beside the program, installed and in the .zip alike.
zip_files=$(python3 -c 'import sys, zipfile
print(*zipfile.ZipFile(sys.argv[1]).namelist(), sep="\n")' "$zip")
zip_folder=$(sed -n 's|/receipt\.exe$||p' <<<"$zip_files")
[ -f "$program_dir/THIRD-PARTY-NOTICES.txt" ] &&
  grep -qx "$zip_folder/THIRD-PARTY-NOTICES.txt" <<<"$zip_files" ||
  fail "the installer or the .zip has no THIRD-PARTY-NOTICES.txt beside receipt.exe"
shortcut=$(installed_shortcut)
[ -n "$shortcut" ] || fail "no Start-menu shortcut Norvessa.lnk"
# A shortcut keeps its description as UTF-16.
LC_ALL=C grep -qaF "$(printf '收银小票' | iconv -f UTF-8 -t UTF-16LE)" "$shortcut" ||
  fail "the shortcut's description is not 收银小票"
entry=$(uninstall_entry)
echo "installed-programs entry:$entry"
grep -Eq "DisplayVersion +REG_SZ +$version\$" <<<"$entry" || fail "no DisplayVersion $version"
grep -Eq "Publisher +REG_SZ +Norvessa\$" <<<"$entry" || fail "no Publisher Norvessa"
[ "$(norvessa_keys | wc -l)" -eq 1 ] || fail "Norvessa is in the installed-programs list more than once"
echo "installed: program, shortcut and entry"

launcher=$(mktemp)
trap 'rm -f "$launcher"' EXIT
printf '#!/bin/sh\nexec "%s" --prefix "%s" "C:\\\\%s\\\\Norvessa\\\\receipt.exe"\n' \
  "$wine_run" "$prefix" "$program_files" >"$launcher"
chmod +x "$launcher"
"$smoke_test" "$launcher" || fail "the installed program did not start and end"

wine msiexec /x "$(realpath "$msi")" /qn || fail "msiexec /x ended with status $?"
[ ! -e "$program_dir" ] || fail "$program_files\\Norvessa is still there"
[ -z "$(installed_shortcut)" ] || fail "the shortcut is still there"
[ -z "$(norvessa_keys)" ] || fail "the installed-programs entry is still there"
echo "PASS: installed, started, ended and removed without a trace"
