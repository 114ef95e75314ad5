#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Ctrl+H shows the floating "HTML" window with its four strips of buttons;
# clicking one inserts its tag, and the toolbar stays switched on for the
# next start when the program ends.
source "$(dirname "$0")/session.sh"

"$program" & pid=$!
win=$(wait_window '^Mirel-Edit 1\.5\.4$' 20)
[ -n "$win" ] || { echo "main window never appeared"; exit 1; }
activate "$win" || exit 1
xdotool key ctrl+h
bar=$(wait_window '^HTML$' 10)
[ -n "$bar" ] || { echo "Ctrl+H showed no window titled HTML"; exit 1; }
size=$(xdotool getwindowgeometry "$bar" | sed -n 's/^ *Geometry: //p')
[ "$size" = 110x138 ] || { echo "HTML window is $size, not the four strips of six buttons"; exit 1; }
wait_viewable "$bar" 10 || { echo "the HTML window never came on screen"; exit 1; }
# "line break": first strip, fifth button.
xdotool mousemove --window "$bar" 12 103 click 1
activate "$win" || exit 1
menu_pick alt+f x || exit 1
box=$(wait_window '^Warning$' 10)
[ -n "$box" ] || { echo "the button inserted nothing: no save prompt"; exit 1; }
activate "$box" || exit 1
xdotool key alt+n
wait_end || { echo "program did not end"; exit 1; }
settings=$XDG_CONFIG_HOME/MirelSoft/Mirel-Edit.reg
if ! tr -d '\r' < "$settings" | grep -q '^"HTMLToolbar"=dword:00000001$'; then
  echo "toolbar not kept switched on at exit"; exit 1
fi
echo "Ctrl+H showed the HTML toolbar, its button inserted a tag, it stays on"
