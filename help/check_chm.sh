#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Opens the compiled help with chmlib (an independent CHM reader) and checks
# that every page of its table of contents is in it and that every page of
# the help folder is in the table of contents.
set -euo pipefail
chm=$1
sources=$2
if ! command -v extract_chmLib >/dev/null; then
  echo "extract_chmLib (libchm-bin) is missing" >&2
  exit 77
fi
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
extract_chmLib "$chm" "$out" >/dev/null
toc="$out/toc.hhc"
[ -s "$toc" ] || { echo "no table of contents in $chm" >&2; exit 1; }
mapfile -t pages < <(grep -o '<param name="Local" value="[^"#]*' "$toc" | sed 's/.*value="//' | sort -u)
[ ${#pages[@]} -gt 0 ] || { echo "the table of contents lists no page" >&2; exit 1; }
status=0
for page in "${pages[@]}"; do
  if [ ! -s "$out/$page" ]; then
    echo "listed but not in the CHM: $page" >&2
    status=1
  elif ! grep -qi '<title>' "$out/$page"; then
    echo "not an HTML page: $page" >&2
    status=1
  fi
done
for source in "$sources"/*.html; do
  name=$(basename "$source")
  if ! printf '%s\n' "${pages[@]}" | grep -qx "$name"; then
    echo "not in the table of contents: $name" >&2
    status=1
  elif ! cmp -s "$source" "$out/$name"; then
    echo "differs from its source: $name" >&2
    status=1
  fi
done
echo "${#pages[@]} pages checked"
exit $status
