#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One e-mail address and one home page everywhere people look for them: the
# about box, the package's maintainer, the AppStream data, the help, the
# README and the man page. Any other address of ours in those files fails.
# Usage: one_contact.sh SOURCE_DIR
set -euo pipefail
cd "$1"
mail=mirel-edit@mirelsoft.example
home=https://mirelsoft.example/mirel-edit
fail() { echo "$*"; exit 1; }

# Where each must appear.
places=(app/AboutBox.cpp packaging/CMakeLists.txt packaging/example.mirelsoft.MirelEdit.metainfo.xml
        help/index.html README.md packaging/vellumpad.1.in packaging/debian/copyright)
# The man page writes its hyphens as \-.
unescape() { sed 's/\\-/-/g' "$1"; }
for place in "${places[@]}"; do
  unescape "$place" | grep -F "$mail" >/dev/null || fail "$place does not name $mail"
  unescape "$place" | grep -F "$home" >/dev/null || fail "$place does not name $home"
done

# No other address of ours anywhere in them, nor in the rest of the help and
# packaging. Standards' own pages may be named.
files=("${places[@]}" help/*.html packaging/*.desktop packaging/*.xml packaging/debian/*)
found=$(for f in "${files[@]}"; do unescape "$f"; done |
        grep -oE '[A-Za-z0-9._%+-]+@[A-Za-z0-9-]+(\.[A-Za-z0-9-]+)+|https?://[^] "<>)]+' | sed 's/[.,;:]$//' | sort -u)
while IFS= read -r address; do
  case $address in
    "$mail"|"$home"|"$home"/*) ;;
    https://www.gnu.org/licenses/*|https://www.debian.org/doc/packaging-manuals/*) ;;
    http://www.freedesktop.org/standards/*) ;;
    *) fail "another address: $address" ;;
  esac
done <<<"$found"
echo "one contact: $mail, $home"
