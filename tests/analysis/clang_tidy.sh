#!/usr/bin/env bash
# clang-tidy over every source of ours that the build compiles (not the generated ones
# under the build tree), with the checks of the nearest .clang-tidy. Any finding fails.
# Usage: clang_tidy.sh RUN_CLANG_TIDY SOURCE_DIR BUILD_DIR
set -euo pipefail
run_clang_tidy=$1
source_dir=$(realpath "$2")
build_dir=$(realpath "$3")

# The file argument is a Python regular expression over compile_commands.json's paths.
exec "$run_clang_tidy" -quiet -p "$build_dir" -j "$(nproc)" \
  "^(?!$build_dir/)$source_dir/"
