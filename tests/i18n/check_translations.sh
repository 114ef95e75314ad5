#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every text the program shows is translated:
# 1. lupdate over the sources into a copy of each committed
#    translations/mirel-edit_*.ts finds no text the file lacks, and no entry
#    of the file is unfinished or empty;
# 2. no string literal goes straight to a call that shows it (setText(,
#    setToolTip(, QMessageBox::...(, ShowError(, ...) outside tr()/translate(),
#    except those in the allow-list tests/i18n/untranslated.txt.
# Usage: check_translations.sh SOURCE_DIR LUPDATE
set -euo pipefail
source_dir=$1 lupdate=$2
for tool in "$lupdate" xmllint perl; do
  command -v "$tool" >/dev/null || { echo "$tool missing"; exit 77; }
done
folders=(app document editor html library macro markers platform)
allow=$source_dir/tests/i18n/untranslated.txt
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$source_dir"
failed=0

# 1. The translations against the sources.
shopt -s nullglob
ts_files=(translations/mirel-edit_*.ts)
[ ${#ts_files[@]} -gt 0 ] || { echo "no translations/mirel-edit_*.ts"; exit 1; }
# A message without a finished, non-empty translation (every plural form).
open="//message[translation/@type='unfinished' or
  (not(translation/numerusform) and normalize-space(translation)='') or
  translation/numerusform[normalize-space(.)='']]"
for ts in "${ts_files[@]}"; do
  copy=$work/$(basename "$ts")
  cp "$ts" "$copy"
  "$lupdate" -silent -locations none -no-obsolete -I . "${folders[@]}" -ts "$copy" >"$work/log" 2>&1 \
    || { cat "$work/log"; exit 1; }
  count=$(xmllint --xpath "count($open)" "$copy")
  for ((i = 1; i <= count; i++)); do
    context=$(xmllint --xpath "string(($open)[$i]/../name)" "$copy")
    text=$(xmllint --xpath "string(($open)[$i]/source)" "$copy")
    echo "$ts: not translated: [$context] \"$text\""
    failed=1
  done
done
[ $failed = 0 ] || echo "run the update-translations target (make translations), then translate these with Qt Linguist"

# 2. Literals shown as they stand.
mapfile -t sources < <(git ls-files -- "${folders[@]}" 2>/dev/null | grep -E '\.(cpp|h)$' ||
                       find "${folders[@]}" -name '*.cpp' -o -name '*.h')
perl "$source_dir/tests/i18n/shown_literals.pl" "${sources[@]}" >"$work/hits"
# The allowed "file:text" lines, comments and blank lines left out.
# Blanks at the end do not count (an editor may strip them).
grep -vE '^[[:space:]]*(#|$)' "$allow" | sed -E 's/[[:space:]]+$//' | sort -u >"$work/allowed" || true
while IFS= read -r hit; do
  file=${hit%%:*} rest=${hit#*:}
  grep -qxF -- "$(sed -E 's/[[:space:]]+$//' <<<"$file:${rest#*:}")" "$work/allowed" && continue
  echo "${file}:${rest%%:*}: \"${rest#*:}\" is shown without tr()"
  failed=1
done <"$work/hits"
# An allowed line that no longer occurs is taken out of the list.
sed -E 's/^([^:]*):[0-9]+:/\1:/; s/[[:space:]]+$//' "$work/hits" | sort -u >"$work/found"
stale=$(comm -23 "$work/allowed" "$work/found")
if [ -n "$stale" ]; then
  echo "no longer in the sources, remove from tests/i18n/untranslated.txt:"
  printf '  %s\n' "$stale"
  failed=1
fi
[ $failed = 0 ] && echo "every shown text goes through the translation"
exit $failed
