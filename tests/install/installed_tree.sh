#!/usr/bin/env bash
# `cmake --install` into a staging folder, as a packager or `sudo cmake
# --install build` would, and the installed tree checked.
# Usage: installed_tree.sh BUILD_DIR PREFIX SOURCE_DIR VERSION
set -euo pipefail
build=$1 prefix=$2 source_dir=$3 version=$4
here=$(dirname "$0")
for tool in desktop-file-validate appstreamcli xmllint update-mime-database groff; do
  command -v $tool >/dev/null || { echo "$tool missing"; exit 77; }
done
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR=$stage cmake --install "$build" >/dev/null
# Nothing may land outside the prefix.
stray=$(cd "$stage" && find . -type f | grep -v "^\.$prefix/" || true)
[ -z "$stray" ] || { echo "installed outside $prefix: $stray"; exit 1; }
"$here/check_tree.sh" "$stage" "$prefix" "$source_dir" "$version"
