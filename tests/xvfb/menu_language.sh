#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real program on an X server in a desktop language and checks
# what its window shows: the title, the menu bar's first caption and the
# name of the first item's shortcut key, as the program reports them once
# its window is up (MIREL_DUMP_MENUS).
# Usage: menu_language.sh PROGRAM LANGUAGE WHAT=TEXT...
#   WHAT: title, menu (the first menu's caption), key (its first shortcut)
set -euo pipefail
program=$1 language=$2
shift 2
home=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill $pid 2>/dev/null; rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home/run
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb MIREL_DUMP_MENUS=$home/menus.txt
# The locale as a desktop sets it up; LANGUAGE picks the texts' language.
unset LC_ALL LC_MESSAGES
export LANG=C.UTF-8 LANGUAGE=$language
source "$(dirname "$0")/windows.sh"

"$program" &
pid=$!
until_true '[ -s "$home/menus.txt" ]' || { echo "the window never reported its menus"; exit 1; }
# Line 1 the title, line 2 the first menu, then its items: TAB text TAB key.
declare -A shown=(
  [title]=$(sed -n 1p "$home/menus.txt")
  [menu]=$(sed -n 2p "$home/menus.txt")
  [key]=$(sed -n 3p "$home/menus.txt" | cut -f3)
)
failed=0
for check in "$@"; do
  what=${check%%=*} want=${check#*=}
  if [ "${shown[$what]-}" != "$want" ]; then
    echo "LANGUAGE=$language: the $what is \"${shown[$what]-}\", not \"$want\""
    failed=1
  fi
done
[ $failed = 0 ] || { echo "the window reported:"; cat "$home/menus.txt"; exit 1; }
echo "LANGUAGE=$language: $*"
