#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real program on a file that is one 4 MB line without blanks
# (word wrap is on by default, the costliest case), types at its start and
# at its end, and checks that the window answers each time within a
# generous bound: such a line used to freeze the window for minutes.
set -euo pipefail
program=$1
if ! command -v xdotool >/dev/null; then
  echo "xdotool missing"; exit 77
fi
home=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill $pid 2>/dev/null; rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home/run
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb
source "$(dirname "$0")/windows.sh"

document=$home/line.txt
head -c 4000000 /dev/zero | tr '\0' 'x' > "$document"
start=$(date +%s%N)
"$program" "$document" &
pid=$!
win=$(wait_window "$(title_pattern "$document")" 15)
[ -n "$win" ] || { echo "the window never showed the file"; exit 1; }
activate "$win"
xdotool type --delay 20 "begin"
xdotool key ctrl+End
xdotool type --delay 20 "end"
# File > Exit asks to save the typed text: the prompt shows only once every
# key before it was handled.
menu_pick alt+f x
box=$(wait_window '^Warning$' 10)
[ -n "$box" ] || { echo "no answer to typing into the long line"; exit 1; }
elapsed=$(( ($(date +%s%N) - start) / 1000000 ))
activate "$box"
xdotool key alt+n
wait_exit "$pid" 10 || { echo "program did not end after File > Exit"; exit 1; }
pid=
echo "opened a 4 MB line, typed at both ends and quit in $elapsed ms"
