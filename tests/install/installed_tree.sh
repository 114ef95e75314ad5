#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# `cmake --install` into a staging folder, as a packager would, and the tree
# checked. Usage: installed_tree.sh BUILD_DIR PREFIX SOURCE_DIR VERSION
set -euo pipefail
for tool in desktop-file-validate appstreamcli xmllint update-mime-database groff; do
  command -v $tool >/dev/null || { echo "$tool missing"; exit 77; }
done
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR=$stage cmake --install "$1" >/dev/null
stray=$(cd "$stage" && find . -type f | grep -v "^\.$2/" || true)
[ -z "$stray" ] || { echo "installed outside $2: $stray"; exit 1; }
"$(dirname "$0")/check_tree.sh" "$stage" "$2" "$3" "$4"
