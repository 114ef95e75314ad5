#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what a fresh Debian 12 machine lacks to build, run and test
# Mirel-Edit. Safe to run again: packages already present are skipped.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-private-dev qt6-base-dev-tools libqt6printsupport6 libgl-dev
  qt6-svg-dev libqt6svg6
  # lupdate and lrelease with their CMake support, and Qt's own translated texts
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool x11-utils openbox fonts-dejavu-core
  tidy unrtf
  # reads the editor's RTF back in the RTF checks against other readers
  libreoffice-writer-nogui
  # owner, group, ACL and extended-attribute checks of saved files
  acl attr
  clang libclang-rt-14-dev
  # the house style of the sources, checked by a test
  clang-format
  dpkg-dev librsvg2-bin desktop-file-utils appstream libxml2-utils shared-mime-info groff-base
  # the Debian package's own checker, run on the package in its test
  lintian
  # the help file: chmcmd compiles it, chmlib's tools read it back in its test
  fp-utils libchm-bin
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
