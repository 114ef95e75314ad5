#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real program on an X server, types into it, quits through the
# File menu with the keyboard, and checks it ended cleanly.
set -euo pipefail
program=$1
mode=${2:-}
if ! command -v xdotool >/dev/null; then
  echo "xdotool missing"; exit 77
fi
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home/run
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb
source "$(dirname "$0")/windows.sh"

if [ "$mode" = open-document ]; then
  # A path with a blank, given unquoted as two arguments: the program joins
  # them, opens the file and shows its full path as the caption.
  document="$home/My Notes.txt"
  printf 'notes\r\n' > "$document"
  "$program" "$home/My" "Notes.txt" &
  title=$(title_pattern "$document")
elif [ "$mode" = qt-option-name ]; then
  # A file named like one of Qt's own options is still the document.
  document="$home/-reverse"
  printf 'reversed?\r\n' > "$document"
  (cd "$home" && exec "$program" -reverse) &
  title=$(title_pattern "$document")
else
  "$program" &
  title='^Mirel-Edit 1\.5\.4$'
fi
pid=$!
win=$(wait_window "$title" 20)
[ -n "$win" ] || { echo "main window never appeared"; kill $pid; exit 1; }
activate "$win"
xdotool type --delay 20 "hello"
menu_pick alt+f x
# The typed text made the document modified: the save prompt must come.
box=$(wait_window '^Warning$' 10)
[ -n "$box" ] || { echo "no save prompt after typing"; kill $pid; exit 1; }
activate "$box"
xdotool key alt+n
wait_exit "$pid" 10 || { echo "program did not end after File > Exit"; kill "$pid"; exit 1; }
[ "$status" = 0 ] || { echo "program ended with status $status"; exit 1; }
echo "window shown, typed into, File > Exit asked to save, No closed it"
