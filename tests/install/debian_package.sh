#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package as `make package` builds it: its name and control
# fields, its contents, that lintian finds neither error nor warning in it,
# and that this Debian could install it.
# Usage: debian_package.sh BUILD_DIR SOURCE_DIR VERSION
set -euo pipefail
build=$1 source_dir=$2 version=$3
for tool in cpack dpkg-deb dpkg-shlibdeps lintian apt-get desktop-file-validate appstreamcli xmllint update-mime-database groff; do
  command -v $tool >/dev/null || { echo "$tool missing"; exit 77; }
done
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/log" 2>&1 || { cat "$out/log"; exit 1; }
# Built from the upstream sources with packaging revision 1.
deb=$out/mirel-edit_${version}-1_amd64.deb
fail() { echo "$(basename "$deb"): $*"; exit 1; }
[ -f "$deb" ] || fail "not built: $(ls "$out")"

info=$(dpkg-deb -I "$deb")
for field in 'Package: mirel-edit' "Version: $version-1" 'Architecture: amd64' 'Section: editors'; do
  grep -qxF " $field" <<<"$info" || fail "no $field"
done
# From the program's shared libraries, plus the SVG plugin that Qt loads.
depends=$(sed -n 's/^ Depends: //p' <<<"$info" | sed 's/ ([^)]*)//g; s/, /\n/g')
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6svg6; do
  grep -qxF "$lib" <<<"$depends" || fail "does not depend on $lib"
done

# Errors and warnings fail; what lintian says only for information (and the
# overrides, each with its reason in the package) may stay.
lintian --fail-on error,warning "$deb" >"$out/log" 2>&1 || { cat "$out/log"; fail "lintian objects"; }

listing=$(dpkg-deb -c "$deb")
paths=(bin/vellumpad share/applications/mirel-edit.desktop share/icons/hicolor/48x48/apps/mirel-edit.png
       share/metainfo/example.mirelsoft.MirelEdit.metainfo.xml share/man/man1/vellumpad.1.gz
       share/doc/mirel-edit/copyright share/doc/mirel-edit/changelog.Debian.gz
       share/lintian/overrides/mirel-edit)
[ -f "$source_dir/help/CMakeLists.txt" ] && paths+=(share/mirel-edit/Mirel-Edit.chm)
for path in "${paths[@]}"; do
  grep -q " \./usr/$path\$" <<<"$listing" || fail "does not hold /usr/$path"
done
awk '$2 != "root/root" || $NF !~ /^\.\/(usr\/.*)?$/' <<<"$listing" | grep . && fail "holds files not root's or outside /usr"

# What dpkg -i would unpack, and whether this system could satisfy it.
dpkg-deb -x "$deb" "$out/root"
doc=$out/root/usr/share/doc/mirel-edit
[ "$(zcat "$doc/changelog.Debian.gz" | head -n 1)" = "mirel-edit ($version-1) unstable; urgency=medium" ] \
  || fail "the changelog's last entry is not $version-1"
# Hardened as Debian's own builds (lintian only mentions some of these).
program=$out/root/usr/bin/vellumpad
elf=$(readelf -W --dynamic --program-headers --sections --dyn-syms "$program")
for mark in 'GNU_RELRO:read-only relocations' 'BIND_NOW:binding at start' 'Flags: NOW PIE:a position-independent program' \
            '__stack_chk_fail:stack protection' '__[a-z]*_chk@:fortified calls'; do
  grep -qE -- "${mark%%:*}" <<<"$elf" || fail "bin/vellumpad lacks ${mark#*:}"
done
! grep -qE ' \.(symtab|debug_info|comment) ' <<<"$elf" || fail "bin/vellumpad is not stripped"
"$(dirname "$0")/check_tree.sh" "$out/root" /usr "$source_dir" "$version"
apt-get install --simulate --no-install-recommends "$deb" >"$out/log" 2>&1 || { cat "$out/log"; fail "not installable"; }
grep -Eq '^Inst mirel-edit |mirel-edit is already the newest' "$out/log" || { cat "$out/log"; fail "apt skips it"; }
echo "$(basename "$deb"): complete"
