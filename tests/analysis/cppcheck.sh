#!/usr/bin/env bash
# cppcheck over every C++ source and header of ours, the Windows-only ones included (build
# trees and hidden folders left out). Any finding fails; an inline suppression carries its
# reason beside it.
# Usage: cppcheck.sh CPPCHECK SOURCE_DIR BUILD_DIR
set -euo pipefail
cppcheck=$1
source_dir=$(realpath "$2")
build_dir=$(realpath "$3")

mapfile -t sources < <(find "$source_dir" -mindepth 1 \( -name build -o -name '.*' \) -prune -o \
  -type f \( -name '*.cpp' -o -name '*.h' \) -print | sort)

# Toolkit, test-framework and system headers are described by cppcheck's libraries instead
# of being read (missingIncludeSystem). unusedStructMember is off: cppcheck looks at one
# file at a time and misses members read in another file or through GoogleTest's
# GetParam(), so every report of it here was false. Two of wxwidgets.cfg's macros break the
# parse and stay undefined (-U; from cppcheck 2.17 on, a define in library-fixes.cfg no
# longer overrides the library's): wxDLG_UNIT (see library-fixes.cfg) and wxIconBundle's
# enumerators FALLBACK_*, which 2.17 defines as numbers, making wxIconBundle::FALLBACK_NONE
# "wxIconBundle::0" (a syntaxError). normalCheckLevelMaxBranches is cppcheck 2.17's note that
# it followed fewer branches of a long function, no finding; it would fail the run all the same.
exec "$cppcheck" --error-exitcode=1 --quiet -j "$(nproc)" --std=c++20 --language=c++ \
  -UFALLBACK_NONE -UFALLBACK_SYSTEM -UFALLBACK_NEAREST_LARGER -UwxDLG_UNIT \
  --enable=warning,style,performance,portability --inline-suppr \
  --library="$source_dir/tests/analysis/library-fixes.cfg" --library=wxwidgets \
  --library=googletest --library=posix --library=windows \
  --suppress=missingIncludeSystem --suppress=unusedStructMember \
  --suppress=normalCheckLevelMaxBranches \
  --template='{file}:{line}:{column}: {severity}: {message} [{id}]' \
  -I "$source_dir" -I "$build_dir/generated" "${sources[@]}"
