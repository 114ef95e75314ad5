#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop entry and the AppStream data as the desktop's and the software
# centre's validators read them: any error or warning fails, and the
# metainfo carries the licences, a screenshot, this version's release and a
# content rating. Usage: validate_metadata.sh SOURCE_DIR VERSION
set -euo pipefail
for tool in desktop-file-validate appstreamcli xmllint; do
  command -v $tool >/dev/null || { echo "$tool missing"; exit 77; }
done
packaging=$1/packaging version=$2
entry=$packaging/mirel-edit.desktop
metainfo=$packaging/example.mirelsoft.MirelEdit.metainfo.xml
fail() { echo "$*"; exit 1; }

# desktop-file-validate exits 0 on warnings; it prints them, though.
out=$(desktop-file-validate "$entry" 2>&1) || fail "$entry: $out"
[ -z "$out" ] || fail "$entry: $out"
out=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "$metainfo: $out"
! grep -E '^(E|W):' <<<"$out" || fail "$metainfo: $out"

xpath() { xmllint --xpath "$1" "$metainfo" 2>/dev/null; }
checks=(
  "string(/component/project_license)|GPL-3.0-or-later"
  "boolean(/component/metadata_license[.='CC0-1.0' or .='FSFAP'])|true"
  "boolean(/component/screenshots/screenshot[@type='default']/image[starts-with(., 'https://')])|true"
  "boolean(/component/releases/release[@version='$version'])|true"
  "string(/component/content_rating/@type)|oars-1.1"
  "string(/component/launchable[@type='desktop-id'])|mirel-edit.desktop"
)
for check in "${checks[@]}"; do
  IFS='|' read -r query want <<<"$check"
  got=$(xpath "$query") || true
  [ "$got" = "$want" ] || fail "$metainfo: $query is '$got', not '$want'"
done
# The screenshot named is the one kept in packaging/screenshots, and its
# stated size is the picture's (width and height from the PNG header).
image=$(xpath "string(/component/screenshots/screenshot[@type='default']/image)")
shot=$packaging/screenshots/$(basename "$image")
[ -f "$shot" ] || fail "no $shot for $image"
stated=$(xpath "string(/component/screenshots/screenshot/image/@width)")x$(xpath "string(/component/screenshots/screenshot/image/@height)")
[ "$(od -An -tu1 -j16 -N8 "$shot" | awk '{ print $3*256+$4 "x" $7*256+$8 }')" = "$stated" ] \
  || fail "$shot is not $stated"
echo "desktop entry and metainfo: valid"
