#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Gives every file spdx-check.sh lists the licence tag, as a comment in the
# file's own style: "// " for C++, "# " for shell, CMake and make files,
# below a "#!" line where there is one. Files that have it are left alone.
# Usage: spdx-add.sh [TREE]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
tree=${1:-$here/..}
tag='SPDX-License-Identifier: GPL-3.0-or-later'

comment_for() {
  case $1 in
    *.cpp|*.h) echo "// $tag" ;;
    *) echo "# $tag" ;;
  esac
}

count=0
while IFS= read -r file; do
  path=$tree/$file
  line=$(comment_for "$file")
  # sed -i keeps the file's mode, so scripts stay executable.
  if [ ! -s "$path" ]; then
    printf '%s\n' "$line" >>"$path"
  elif head -n 1 -- "$path" | grep -q '^#!'; then
    sed -i "1a\\$line" -- "$path"
  else
    sed -i "1i\\$line" -- "$path"
  fi
  count=$((count + 1))
done < <("$here/spdx-check.sh" "$tree" || true)
echo "tagged $count files"
