#!/usr/bin/env bash
# Lists every source file whose first lines lack the licence tag
# "SPDX-License-Identifier: GPL-3.0-or-later"; exits 1 when there is one.
# Usage: spdx-check.sh [TREE]   (default: the tree this script is in)
# The files looked at are the ones git tracks (all files outside git):
# C++ sources and headers, shell scripts, CMake and make files.
set -euo pipefail
tree=${1:-$(dirname "$0")/..}
cd "$tree"
tag='SPDX-License-Identifier: GPL-3.0-or-later'
head_lines=5

list_files() {
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z --cached --others --exclude-standard
  else
    find . -path ./.git -prune -o -type f -print0 | sed -z 's|^\./||'
  fi
}

# Test data is not source: corpora and fixtures are read by the tests as
# they are.
source_file() {
  case $1 in
    fuzz/corpus/*|*/rtf_fixtures/*.rtf|build*/*) return 1 ;;
    *.cpp|*.h|*.sh|*.cmake|*/CMakeLists.txt|CMakeLists.txt|Makefile|*/Makefile) return 0 ;;
  esac
  return 1
}

missing=0
while IFS= read -r -d '' file; do
  source_file "$file" || continue
  [ -f "$file" ] || continue
  if ! head -n $head_lines -- "$file" | grep -qF "$tag"; then
    echo "$file"
    missing=1
  fi
done < <(list_files | LC_ALL=C sort -z)
exit $missing
