#!/usr/bin/env bash
# The Debian package as Debian's own checker sees it: lintian finds no error, no warning
# and no informational note (its pedantic notes are shown, not failed on). Should a tag
# ever need an override, the override goes into the package with its reason beside it.
# Usage: package_lintian_test.sh OUTPUT_DIR  (OUTPUT_DIR from package_build.sh)
set -euo pipefail
debs=("$1"/*.deb)
exec lintian --fail-on error,warning,info --display-info --pedantic "${debs[@]}"
