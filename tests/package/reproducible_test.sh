#!/usr/bin/env bash
# The Debian package builds the same twice: two clean clones of HEAD, in two folders of
# different names and depths, each built with `make package` and the same SOURCE_DATE_EPOCH
# (HEAD's commit time), must give identical .debs. Where the tree was built must leave no
# trace in the program (the build maps the source folder's path to ".", CMakeLists.txt).
# Usage: tests/package/reproducible_test.sh [REPOSITORY]   (default: this one; .ci/run runs it)
set -euo pipefail
repository=$(cd "${1:-$(dirname "$0")/../..}" && git rev-parse --show-toplevel)
work=$(mktemp -d /tmp/receipt-reproducible.XXXXXX)
trap 'rm -rf "$work"' EXIT
SOURCE_DATE_EPOCH=$(git -C "$repository" log -1 --format=%ct)
export SOURCE_DATE_EPOCH

debs=()
for folder in "$work/one" "$work/a/second/folder"; do
  git clone --quiet --no-hardlinks "$repository" "$folder"
  make -C "$folder" package >"$folder.log" 2>&1 || { tail -n 30 "$folder.log"; exit 1; }
  built=("$folder"/build/default/norvessa_*.deb)
  debs+=("${built[0]}")
done

if cmp -s "${debs[0]}" "${debs[1]}"; then
  echo "PASS: the .deb built in two folders is the same: $(basename "${debs[0]}"), $(sha256sum <"${debs[0]}" | cut -c1-16)"
  exit 0
fi
echo "FAIL: the .debs built in two folders differ:"
for index in 0 1; do
  dpkg-deb -x "${debs[$index]}" "$work/unpacked$index"
done
diff -rq "$work/unpacked0" "$work/unpacked1" || true
exit 1
