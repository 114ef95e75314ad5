#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# With "Remember Position" on, a start and a close under a real window
# manager must leave the window where it was: the place saved is the place
# the next start puts it.
set -euo pipefail
program=$1
command -v xdotool >/dev/null || { echo "xdotool missing"; exit 77; }
command -v openbox >/dev/null || { echo "openbox missing"; exit 77; }
home=$(mktemp -d)
wm=
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  [ -n "$wm" ] && kill "$wm" 2>/dev/null || true
  rm -rf "$home"
}
trap cleanup EXIT
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home/run
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME/MirelSoft" && chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb
source "$(dirname "$0")/windows.sh"
openbox --sm-disable >/dev/null 2>&1 & wm=$!
wait_wm 10 || { echo "openbox did not start"; exit 1; }
settings=$XDG_CONFIG_HOME/MirelSoft/Mirel-Edit.reg
printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\MirelSoft\\Mirel-Edit]\r\n"RememberPos"=dword:00000001\r\n"Left"=dword:00000064\r\n"Top"=dword:00000050\r\n"Width"=dword:000001aa\r\n"Height"=dword:0000015e\r\n' > "$settings"

saved() {   # Left,Top as stored
  local left top
  left=$(tr -d '\r' < "$settings" | sed -n 's/^"Left"=dword://p')
  top=$(tr -d '\r' < "$settings" | sed -n 's/^"Top"=dword://p')
  printf '%d,%d' "0x$left" "0x$top"
}
run_once() {
  "$program" & pid=$!
  local win
  win=$(wait_window '^Mirel-Edit 1\.5\.4$' 20)
  [ -n "$win" ] || { echo "main window never appeared"; exit 1; }
  wait_framed "$win" 10 || { echo "the window manager never framed the window"; exit 1; }
  activate "$win"
  menu_pick alt+f x
  wait_exit "$pid" 10 || { echo "program did not end"; exit 1; }
  pid=
}

run_once
first=$(saved)
run_once
second=$(saved)
echo "placed at 100,80; saved after the first start $first, after the second $second"
[ "$first" = "100,80" ] && [ "$second" = "100,80" ] || { echo "the window moved between starts"; exit 1; }
