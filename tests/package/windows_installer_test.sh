#!/usr/bin/env bash
# The Windows installer as a shop owner runs it, in a Wine prefix of its own made afresh:
# a quiet install puts the program into Program Files\Norvessa, a Start-menu shortcut and
# an entry in the installed-programs list; the installed program starts and Esc ends it; a
# quiet uninstall takes all three away again. The installer and the portable .zip both
# carry the third-party notices beside the program. Runs on the display it is given.
# Usage: windows_installer_test.sh INSTALLER.msi VERSION WINE_PREFIX WINE_RUN SMOKE_TEST
#                                  PORTABLE.zip
set -euo pipefail
msi=$1 version=$2 prefix=$3 wine_run=$4 smoke_test=$5 zip=$6

fail() { echo "FAIL: $*"; exit 1; }
wine() { "$wine_run" --prefix "$prefix" "$@"; }

rm -rf "$prefix" "$prefix.lock"
program_dir="$prefix/drive_c/Program Files/Norvessa"
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

# The entry of the installed-programs list that names Norvessa, as "name = value" lines.
uninstall_entry() {
  wine reg query "$uninstall_key" /s 2>/dev/null | tr -d '\r' |
    awk '/^HKEY/ { key = $0 } /DisplayName.*Norvessa/ { found = key }
         { lines[key] = lines[key] "\n" $0 } END { if (found) print lines[found] }'
}

wine msiexec /i "$(realpath "$msi")" /qn || fail "msiexec /i ended with status $?"
[ -f "$program_dir/receipt.exe" ] || fail "no receipt.exe in Program Files\\Norvessa"
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
echo "installed: program, shortcut and entry"

launcher=$(mktemp)
trap 'rm -f "$launcher"' EXIT
printf '#!/bin/sh\nexec "%s" --prefix "%s" "C:\\\\Program Files\\\\Norvessa\\\\receipt.exe"\n' \
  "$wine_run" "$prefix" >"$launcher"
chmod +x "$launcher"
"$smoke_test" "$launcher" || fail "the installed program did not start and end"

wine msiexec /x "$(realpath "$msi")" /qn || fail "msiexec /x ended with status $?"
[ ! -e "$program_dir" ] || fail "Program Files\\Norvessa is still there"
[ -z "$(installed_shortcut)" ] || fail "the shortcut is still there"
[ -z "$(uninstall_entry)" ] || fail "the installed-programs entry is still there"
echo "PASS: installed, started, ended and removed without a trace"
