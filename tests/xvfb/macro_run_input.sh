#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Input during a macro run started with Ctrl+M in the real window, under a
# window manager. "boxes": every box or dialog a run raises takes Enter,
# Esc, Space and a click as it does outside a run, and the run goes on or
# ends. "stop": Esc ends a long run between two lines with a box, while
# typed keys stay dropped.
source "$(dirname "$0")/session.sh"
mode=$2
macros=$home/Desktop
mkdir -p "$macros"
doc=$home/first.txt
printf '' > "$doc"
printf 'openfile\r\n' > "$macros/Open.macro"
printf 'insert X\r\nbogus\r\n' > "$macros/Fail.macro"
printf 'insert X\r\nfind nothing-like-this\r\ninsert Y\r\n' > "$macros/Find.macro"
{
  printf 'insert a\r\nsavefile\r\n'
  for _ in $(seq 1 20000); do printf 'insert a\r\ninsert a\r\ninsert a\r\ninsert a\r\ninsert a\r\n'; done
  printf 'savefile\r\n'
} > "$macros/Long.macro"

"$program" "$doc" & pid=$!
win=$(wait_window "$(title_pattern "$doc")" 20)
[ -n "$win" ] || { echo "main window never appeared"; exit 1; }
activate "$win"
# The library takes the keyboard; Tab goes on to the macro field. Both
# happen inside the window, which handles keys in the order they come.
pick() {
  activate "$win"
  xdotool key ctrl+b Tab ctrl+a
  xdotool type --delay 20 "$1"
}
# Clicks at a point counted from the window's bottom right corner.
click_from_corner() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove --window "$1" $((WIDTH - $2)) $((HEIGHT - $3)) click 1
}

if [ "$mode" = boxes ]; then
  # macro, title of the box it raises, the answer
  cases=(
    "Open|^Open$|key Escape"
    "Fail|^Error$|key Return"
    "Fail|^Error$|key Escape"
    "Fail|^Error$|key space"
    "Fail|^Error$|click"
    "Find|^Information$|key Return"
  )
  for c in "${cases[@]}"; do
    IFS='|' read -r macro title answer <<< "$c"
    pick "$macro"
    xdotool key ctrl+m
    box=$(wait_window "$title" 10)
    [ -n "$box" ] || { echo "$macro: no box $title"; exit 1; }
    activate "$box"
    if [ "$answer" = click ]; then click_from_corner "$box" 50 25; else xdotool $answer; fi
    wait_gone "$title" 10 || { echo "$macro: $title box ignored $answer"; exit 1; }
  done
  # The runs are over: the editor takes keys again, and Ctrl+S saves.
  activate "$win"
  xdotool key Escape
  xdotool type --delay 30 "Z"
  xdotool key ctrl+s
  until_true '[ "$(cat "$doc")" = XXXXXYZ ]' || { echo "document: $(od -c "$doc")"; exit 1; }
  echo "boxes raised during runs took keys and clicks; the runs went on or ended"
else
  pick Long
  xdotool key ctrl+m
  # The run's first save shows it is under way.
  until_true '[ "$(cat "$doc")" = a ]' || { echo "the long run never started"; exit 1; }
  xdotool type --delay 20 "zz"
  xdotool key Escape
  box=$(wait_window '^Information$' 20)
  [ -n "$box" ] || { echo "Esc did not stop the run"; exit 1; }
  [ "$(cat "$doc")" = a ] || { echo "the run went to its end"; exit 1; }
  activate "$box"
  xdotool key Return
  wait_gone '^Information$' 10 || { echo "the stop box ignored Enter"; exit 1; }
  activate "$win"
  xdotool key ctrl+s
  until_true '[ "$(cat "$doc")" != a ]' || { echo "Ctrl+S after the stop saved nothing"; exit 1; }
  text=$(cat "$doc")
  [[ "$text" =~ ^a+$ ]] || { echo "document after the stop: $(head -c 80 "$doc" | od -c)"; exit 1; }
  [ "${#text}" -lt 100001 ] || { echo "all lines ran"; exit 1; }
  echo "Esc stopped the run after ${#text} insertions; typed keys were dropped"
fi
menu_pick alt+f x
wait_end || { echo "program did not end"; exit 1; }
