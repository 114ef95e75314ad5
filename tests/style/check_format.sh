#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every C++ source follows the committed .clang-format. Another major
# version of clang-format lays some lines out differently, so only the one
# the style was written for judges; others skip.
set -euo pipefail
root=$1
tool=$(command -v clang-format-14 || command -v clang-format || true)
[ -n "$tool" ] || { echo "clang-format is not installed"; exit 77; }
version=$("$tool" --version | sed -n 's/.*version \([0-9]*\)\..*/\1/p')
[ "$version" = 14 ] || { echo "clang-format $version, not 14: its layout differs"; exit 77; }
cd "$root"
mapfile -t files < <(find app document editor html library macro markers platform tests bench fuzz \
                         -name '*.cpp' -o -name '*.h' | sort)
[ ${#files[@]} -gt 100 ] || { echo "only ${#files[@]} sources found under $root"; exit 1; }
if ! "$tool" --dry-run --Werror "${files[@]}" 2>/tmp/format.$$; then
  grep -o '^[^:]*\.\(cpp\|h\)' /tmp/format.$$ | sort -u | sed 's/^/not formatted: /'
  rm -f /tmp/format.$$
  echo "run 'make format' and commit the result"
  exit 1
fi
rm -f /tmp/format.$$
echo "${#files[@]} sources follow .clang-format"
