#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# `cmake --install` into a staging folder: every translations/mirel-edit_*.ts
# arrives compiled in the data folder, where an installed program looks.
# Usage: installed_translations.sh BUILD_DIR PREFIX SOURCE_DIR
set -euo pipefail
build=$1 prefix=$2 source_dir=$3
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR=$stage cmake --install "$build" >"$stage/log" 2>&1 || { cat "$stage/log"; exit 1; }
folder=$stage$prefix/share/mirel-edit/translations
failed=0
for ts in "$source_dir"/translations/mirel-edit_*.ts; do
  qm=$folder/$(basename "$ts" .ts).qm
  # A compiled file begins with Qt's magic number.
  if [ "$(head -c 16 "$qm" 2>/dev/null | od -An -tx1 | tr -d ' \n')" != 3cb86418caef9c95cd211cbf60a1bddd ]; then
    echo "${qm#"$stage"} is missing or not a compiled translation"
    failed=1
  fi
done
[ $failed = 0 ] && echo "every translation installed in ${folder#"$stage"}"
exit $failed
