#!/usr/bin/env bash
# Checks an installed tree the way the desktop sees it: the program, its
# menu entry, AppStream data, icons, the macro file type, the man page and,
# once the sources have them, the help files and the command-line options.
# Usage: check_tree.sh ROOT PREFIX SOURCE_DIR VERSION
set -euo pipefail
root=$1 prefix=$2 source_dir=$3 version=$4
top=$root$prefix
share=$top/share
fail() { echo "$top: $*"; exit 1; }
need() { [ -f "$top/$1" ] || fail "missing $1"; }
png_size() { # width x height from the IHDR chunk
  od -An -tu1 -j16 -N8 "$1" | awk '{ print $3*256+$4 "x" $7*256+$8 }'
}

need bin/vellumpad
[ -x "$top/bin/vellumpad" ] || fail "bin/vellumpad is not executable"
[ "$(od -An -tx1 -N4 "$top/bin/vellumpad" | tr -d ' ')" = 7f454c46 ] || fail "bin/vellumpad is no program"
missing=$(ldd "$top/bin/vellumpad" | grep 'not found' || true)
[ -z "$missing" ] || fail "bin/vellumpad lacks libraries: $missing"

entry=share/applications/mirel-edit.desktop
need "$entry"
report=$(desktop-file-validate "$top/$entry" 2>&1) || fail "$entry does not validate: $report"
for line in 'Name=Mirel-Edit' 'GenericName=Text Editor' 'Exec=vellumpad %f' 'Icon=mirel-edit'; do
  grep -qxF "$line" "$top/$entry" || fail "$entry lacks $line"
done
grep -q '^Categories=.*Utility;.*TextEditor;' "$top/$entry" || fail "$entry: wrong categories"
mimes=$(sed -n 's/^MimeType=//p' "$top/$entry")
for t in text/plain text/rtf application/rtf text/html text/x-mirel-macro; do
  [[ ";$mimes" == *";$t;"* ]] || fail "$entry does not open $t"
done

metainfo=$(ls "$share"/metainfo/*.metainfo.xml 2>/dev/null | head -n1)
[ -n "$metainfo" ] || fail "no AppStream metainfo"
report=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "$metainfo does not validate: $report"
grep -q '<launchable type="desktop-id">mirel-edit.desktop</launchable>' "$metainfo" \
  || fail "metainfo does not point at the desktop entry"

need share/icons/hicolor/scalable/apps/mirel-edit.svg
need share/icons/hicolor/scalable/mimetypes/text-x-mirel-macro.svg
for size in 16 22 24 32 48 64 128 256; do
  for icon in apps/mirel-edit mimetypes/text-x-mirel-macro; do
    png=share/icons/hicolor/${size}x${size}/$icon.png
    need "$png"
    [ "$(png_size "$top/$png")" = "${size}x${size}" ] || fail "$png is $(png_size "$top/$png")"
  done
done

# The file type as a file manager gets it: compiled from the package XML.
need share/mime/packages/mirel-edit.xml
xmllint --noout "$share/mime/packages/mirel-edit.xml" || fail "MIME XML is not well-formed"
mime=$(mktemp -d)
trap 'rm -rf "$mime"' EXIT
mkdir -p "$mime/mime/packages"
cp "$share/mime/packages/mirel-edit.xml" "$mime/mime/packages/"
XDG_DATA_DIRS=$mime update-mime-database "$mime/mime" 2>&1 | { ! grep .; } || fail "update-mime-database complained"
grep -q ':text/x-mirel-macro:\*\.macro' "$mime/mime/globs2" || fail "*.macro is not text/x-mirel-macro"
grep -qx 'text/x-mirel-macro text/plain' "$mime/mime/subclasses" || fail "a macro is not plain text"

page=share/man/man1/vellumpad.1.gz
need "$page"
gzip -t "$top/$page" || fail "$page is not gzip"
warnings=$(zcat "$top/$page" | groff -man -ww -z 2>&1) || true
[ -z "$warnings" ] || fail "$page: $warnings"
text=$(zcat "$top/$page" | groff -man -Tascii -P-cbou 2>/dev/null)
for word in --help --version --run --dry-run --check 'Mirel-Edit.reg' '.lm' 'macro folder' 'EXIT STATUS' "Mirel-Edit $version"; do
  grep -qF -- "$word" <<<"$text" || fail "$page does not mention $word"
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
