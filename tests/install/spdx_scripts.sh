#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The licence-tag sweep on a small tree of every kind of file: the check
# lists exactly the untagged sources, the sweep tags each in its own comment
# style (below a "#!" line), keeps scripts executable, and a second sweep
# changes nothing. Usage: spdx_scripts.sh SOURCE_DIR
set -euo pipefail
scripts=$1/scripts
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
fail() { echo "$*"; exit 1; }
tag='SPDX-License-Identifier: GPL-3.0-or-later'

# file | content (printf format) | expected first lines after the sweep ("-": not a source, untouched)
cases=(
  "a.cpp|int x;\n|// $tag\nint x;"
  "sub/b.h|#pragma once\n|// $tag\n#pragma once"
  "empty.h||// $tag"
  "run.sh|#!/bin/sh\necho hi\n|#!/bin/sh\n# $tag\necho hi"
  "plain.sh|echo hi\n|# $tag\necho hi"
  "CMakeLists.txt|project(x)\n|# $tag\nproject(x)"
  "sub/CMakeLists.txt|add_subdirectory(y)\n|# $tag\nadd_subdirectory(y)"
  "mod.cmake|set(a 1)\n|# $tag\nset(a 1)"
  "Makefile|all:\n|# $tag\nall:"
  "tagged.cpp|// A file.\n//\n// $tag\n|-"
  "notes.txt|words\n|-"
  "fuzz/corpus/rtf/seed.h|{\\\\rtf1}\n|-"
)
expected_list=()
for entry in "${cases[@]}"; do
  IFS='|' read -r name content after <<<"$entry"
  mkdir -p "$(dirname "$tree/$name")"
  printf "$content" >"$tree/$name"
  [ "$after" = - ] || expected_list+=("$name")
done
chmod 755 "$tree/run.sh"

listed=$("$scripts/spdx-check.sh" "$tree") && fail "the check passed a tree without tags"
[ "$listed" = "$(printf '%s\n' "${expected_list[@]}" | LC_ALL=C sort)" ] \
  || fail "the check listed:"$'\n'"$listed"$'\n'"expected:"$'\n'"$(printf '%s\n' "${expected_list[@]}")"

"$scripts/spdx-add.sh" "$tree" >/dev/null
for entry in "${cases[@]}"; do
  IFS='|' read -r name content after <<<"$entry"
  if [ "$after" = - ]; then
    want=$(printf "$content")
  else
    want=$(printf "$after")
  fi
  got=$(head -n "$(printf "$want" | wc -l | awk '{ print $1 + 1 }')" "$tree/$name")
  [ "$got" = "$want" ] || fail "$name after the sweep:"$'\n'"$got"$'\n'"expected:"$'\n'"$want"
done
[ -x "$tree/run.sh" ] || fail "the sweep made run.sh not executable"

"$scripts/spdx-check.sh" "$tree" >/dev/null || fail "the check still lists files after the sweep"
before=$(cd "$tree" && find . -type f -exec md5sum {} + | sort)
[ "$("$scripts/spdx-add.sh" "$tree")" = "tagged 0 files" ] || fail "a second sweep tagged files again"
[ "$(cd "$tree" && find . -type f -exec md5sum {} + | sort)" = "$before" ] || fail "a second sweep changed files"
echo "licence tags: check and sweep agree"
