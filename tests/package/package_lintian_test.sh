#!/usr/bin/env bash
# The Debian package as Debian's own checker sees it: lintian finds nothing of the levels
# FAIL_ON (error,warning,info for a release; its pedantic notes are shown, not failed on).
# Should a tag ever need an override, the override goes into the package with its reason
# beside it.
# Usage: package_lintian_test.sh OUTPUT_DIR FAIL_ON  (OUTPUT_DIR from package_build.sh)
set -euo pipefail
debs=("$1"/*.deb)
exec lintian --fail-on "$2" --display-info --pedantic "${debs[@]}"
