#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The whole macro cycle in the real window, from the keyboard: a name typed
# into the macro field, a recording started from the Macro menu, typing,
# Stop, another file opened, Ctrl+M replaying the recording, Ctrl+S saving.
source "$(dirname "$0")/session.sh"
mkdir -p "$home/Desktop"
printf '' > "$home/first.txt"
printf 'end\n' > "$home/second.txt"

"$program" "$home/first.txt" & pid=$!
win=$(wait_window "$(title_pattern "$home/first.txt")" 20)
[ -n "$win" ] || { echo "main window never appeared"; exit 1; }
activate "$win"
# The library takes the keyboard; Tab goes on to the macro field. Both
# happen inside the window, which handles keys in the order they come.
xdotool key ctrl+b Tab
xdotool type --delay 30 "Greeting"
menu_pick alt+m e
poll 10 menu_closed || { echo "the Macro menu stayed open"; exit 1; }
xdotool type --delay 30 "Hi"
xdotool key --delay 100 Tab Return
menu_pick alt+m s
macro="$home/Desktop/Greeting.macro"
until_true '[ -f "$macro" ]' || { echo "Stop wrote no $macro"; ls -la "$home/Desktop"; exit 1; }
expected=$(printf 'Insert Hi\\t\\n\r\n')
[ "$(cat "$macro")" = "$expected" ] || { echo "recorded: $(od -c "$macro")"; exit 1; }

# The typed text made first.txt modified: Open asks to save it first.
xdotool key ctrl+o
box=$(wait_window '^Warning$' 10)
[ -n "$box" ] || { echo "no save prompt before opening"; exit 1; }
activate "$box"
xdotool key alt+n
dialog=$(wait_window '^Open$' 10)
[ -n "$dialog" ] || { echo "no open dialog after the save prompt"; exit 1; }
activate "$dialog"
xdotool type --delay 10 "$home/second.txt"
xdotool key Return
[ -n "$(wait_window "$(title_pattern "$home/second.txt")" 10)" ] || { echo "second.txt did not open"; exit 1; }
activate "$win"
xdotool key ctrl+m
# A key during the run is dropped: Ctrl+S again until the saved file shows
# the replay.
saved_replay() {
  xdotool key ctrl+s
  [ "$(od -c "$home/second.txt")" = "$(printf "Hi\t\nend\n" | od -c)" ]
}
poll 10 saved_replay || { echo "replayed and saved: $(od -c "$home/second.txt")"; exit 1; }
menu_pick alt+f x
wait_end || { echo "program did not end"; exit 1; }
echo "recorded in the real window, replayed with Ctrl+M onto another file and saved"
