#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks an installed tree the way the desktop sees it: the program, its menu
# entry, AppStream data, icons, the macro file type, the man page, the
# licence in Debian's machine-readable copyright file and, once
# the sources have them, the help files and the command-line options.
# Usage: check_tree.sh ROOT PREFIX SOURCE_DIR VERSION
set -euo pipefail
root=$1 prefix=$2 source_dir=$3 version=$4
top=$root$prefix share=$root$prefix/share
fail() { echo "$top: $*"; exit 1; }
need() { for f in "$@"; do [ -f "$top/$f" ] || fail "missing $f"; done; }
run() { out=$("$@" 2>&1) || fail "$*: $out"; }

need bin/vellumpad share/applications/mirel-edit.desktop share/mime/packages/mirel-edit.xml \
     share/man/man1/vellumpad.1.gz share/icons/hicolor/scalable/{apps/mirel-edit,mimetypes/text-x-mirel-macro}.svg
run ldd "$top/bin/vellumpad"
! grep 'not found' <<<"$out" || fail "bin/vellumpad lacks libraries"

entry=$share/applications/mirel-edit.desktop
run desktop-file-validate "$entry"
for line in 'Name=Mirel-Edit' 'GenericName=Text Editor' 'Exec=vellumpad %f' 'Icon=mirel-edit' \
            'Categories=Utility;TextEditor;' 'MimeType=text/plain;text/rtf;application/rtf;text/html;text/x-mirel-macro;'; do
  grep -qxF "$line" "$entry" || fail "the desktop entry lacks $line"
done
metainfo=$(ls "$share"/metainfo/*.metainfo.xml) || fail "no AppStream metainfo"
run appstreamcli validate --no-net "$metainfo"
grep -q '<launchable type="desktop-id">mirel-edit.desktop</launchable>' "$metainfo" || fail "metainfo names no entry"

need share/doc/mirel-edit/copyright share/doc/mirel-edit/changelog.Debian.gz
need share/mirel-edit/translations/mirel-edit_de.qm
copyright=$share/doc/mirel-edit/copyright
head -n 1 "$copyright" | grep -qxF 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
  || fail "the copyright file is not machine-readable"
[ "$(sed -n 's/^License: //p' "$copyright" | sort -u | tr '\n' ' ')" = "GPL-3+ public-domain " ] \
  || fail "the copyright file names other licences"
grep -qF '/usr/share/common-licenses/GPL-3' "$copyright" || fail "the copyright file does not point to GPL-3"
# The program's own drawings, not stock artwork.
for icon in apps/mirel-edit mimetypes/text-x-mirel-macro; do
  cmp -s "$share/icons/hicolor/scalable/$icon.svg" "$source_dir/resources/icons/${icon#*/}.svg" \
    || fail "$icon.svg is not the program's own icon"
done

for size in 16 22 24 32 48 64 128 256; do
  for png in "$share"/icons/hicolor/${size}x${size}/{apps/mirel-edit,mimetypes/text-x-mirel-macro}.png; do
    # Width and height from the PNG header.
    [ "$(od -An -tu1 -j16 -N8 "$png" | awk '{ print $3*256+$4 "x" $7*256+$8 }')" = "${size}x${size}" ] \
      || fail "$png missing or of the wrong size"
  done
done

# The file type as a file manager gets it: compiled from the package XML.
run xmllint --noout "$share/mime/packages/mirel-edit.xml"
mime=$(mktemp -d)
trap 'rm -rf "$mime"' EXIT
mkdir -p "$mime/mime/packages" && cp "$share/mime/packages/mirel-edit.xml" "$mime/mime/packages/"
XDG_DATA_DIRS=$mime run update-mime-database "$mime/mime"
[ -z "$out" ] || fail "update-mime-database: $out"
grep -q ':text/x-mirel-macro:\*\.macro' "$mime/mime/globs2" || fail "*.macro is not text/x-mirel-macro"

page=$share/man/man1/vellumpad.1.gz
warnings=$(zcat "$page" | groff -man -ww -z 2>&1)
[ -z "$warnings" ] || fail "man page: $warnings"
# One line with single blanks: justified text spreads words apart.
text=$(zcat "$page" | groff -man -Tascii -P-cbou 2>/dev/null | tr -s " \n" " ")
for word in --help --version --run --dry-run --check Mirel-Edit.reg .lm 'macro folder' 'EXIT STATUS' "Mirel-Edit $version" \
            'GNU General Public License'; do
  grep -qF -- "$word" <<<"$text" || fail "the man page does not mention $word"
done

if [ -f "$source_dir/help/CMakeLists.txt" ]; then
  need share/mirel-edit/Mirel-Edit.chm
  find "$share/mirel-edit" -name '*.html' | grep -q . || fail "no help pages beside the help file"
fi
if compgen -G "$source_dir/app/CommandLine.*" >/dev/null; then
  headless() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 20 "$top/bin/vellumpad" "$@"; }
  [ "$(headless --version)" = "Mirel-Edit $version" ] || fail "--version does not print Mirel-Edit $version"
  headless --help | grep -q -- --run || fail "--help does not list --run"
fi
echo "$top: complete"
