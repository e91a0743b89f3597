#!/usr/bin/env bash
# What the Debian package holds: its control fields, exactly the program, its desktop
# integration and its documents, a desktop entry and a metainfo file that the desktop's own
# validators accept and that point at the installed program and icons.
# Usage: package_contents_test.sh OUTPUT_DIR APP_ID VERSION  (OUTPUT_DIR from package_build.sh)
set -euo pipefail
output=$1
app_id=$2
version=$3
deb=$(echo "$output"/*.deb)
root=$output/root
desktop_entry=$root/usr/share/applications/$app_id.desktop
metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
icon_sizes=(16 32 48 256)

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
check() {  # DESCRIPTION COMMAND...
  local description=$1
  shift
  if "$@"; then echo "ok: $description"; else fail "$description"; fi
}
field() { dpkg-deb --field "$deb" "$1"; }
entry() { sed -n "s/^$1=//p" "$desktop_entry"; }

# Control fields.
check "version $version" test "$(field Version)" = "$version"
depends=$(field Depends)
check "depends on the C library (from shlibdeps)" grep -q 'libc6 (>=' <<<"$depends"
check "depends on wxWidgets' GTK library (from shlibdeps)" grep -q 'libwxgtk3\.2' <<<"$depends"
for name in Maintainer Section Description; do
  check "has a $name" test -n "$(field "$name")"
done

# Exactly these files, nothing of the build or the tests.
{
  echo "./usr/bin/receipt"
  echo "./usr/share/applications/$app_id.desktop"
  for doc in THIRD-PARTY-NOTICES changelog.gz copyright; do
    echo "./usr/share/doc/norvessa/$doc"
  done
  echo "./usr/share/man/man1/receipt.1.gz"
  for size in "${icon_sizes[@]}"; do
    echo "./usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
  done
  echo "./usr/share/metainfo/$app_id.metainfo.xml"
} | sort >"$output/files_expected.txt"
(cd "$root" && find . ! -type d | sort) >"$output/files.txt"
check "file list" diff -u "$output/files_expected.txt" "$output/files.txt"

# The desktop entry: valid without a warning or hint, in the menus where a till belongs,
# starting the installed program with the installed icon.
validation=$(desktop-file-validate "$desktop_entry" 2>&1) || fail "desktop-file-validate failed"
check "desktop-file-validate has nothing to say" test -z "$validation"
[ -z "$validation" ] || echo "$validation"
check "name Norvessa" test "$(entry Name)" = Norvessa
check "Chinese name" env LC_ALL=C.UTF-8 grep -qP '^Name\[zh_CN\]=.*[\x{4e00}-\x{9fff}]' "$desktop_entry"
check "categories Office and Finance" test "$(entry Categories)" = "Office;Finance;"
program=$(entry Exec | cut -d' ' -f1)
check "Exec names the installed program" test -x "$root/usr/bin/$program"
icon=$(entry Icon)
for size in "${icon_sizes[@]}"; do
  png=$root/usr/share/icons/hicolor/${size}x${size}/apps/$icon.png
  check "icon $size px" test "$(identify -format '%wx%h' "$png" 2>&1)" = "${size}x${size}"
done

# The metainfo file: valid together with the desktop entry it launches, for this release.
check "appstreamcli validate-tree" appstreamcli validate-tree --no-net "$root"
check "release $version" grep -q "<release version=\"$version\"" "$metainfo"

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "PASS: the package's contents"
