#!/usr/bin/env bash
# Builds the Debian package from the build tree, as `make package` does, and unpacks it into
# a scratch root for the package tests: OUTPUT_DIR/<name>.deb and OUTPUT_DIR/root.
# Usage: package_build.sh CPACK CPACK_CONFIG OUTPUT_DIR
set -euo pipefail
cpack=$1
config=$2
output=$3

rm -rf "$output"
mkdir -p "$output"
"$cpack" --config "$config" -G DEB -B "$output"
debs=("$output"/*.deb)
[ -f "${debs[0]}" ] && [ ${#debs[@]} -eq 1 ] ||
  { echo "FAIL: expected one .deb in $output, found: ${debs[*]}"; exit 1; }
dpkg-deb -x "${debs[0]}" "$output/root"
echo "built and unpacked $(basename "${debs[0]}")"
