#!/usr/bin/env bash
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
# The library takes the keyboard; Tab goes on to the macro field.
xdotool key ctrl+b; sleep 0.5
xdotool key Tab; sleep 0.5
xdotool type --delay 30 "Greeting"
sleep 0.3
xdotool key alt+m; sleep 0.5; xdotool key e; sleep 0.5
xdotool type --delay 30 "Hi"
xdotool key --delay 100 Tab Return
sleep 0.3
xdotool key alt+m; sleep 0.5; xdotool key s
macro="$home/Desktop/Greeting.macro"
until_true '[ -f "$macro" ]' || { echo "Stop wrote no $macro"; ls -la "$home/Desktop"; exit 1; }
expected=$(printf 'Insert Hi\\t\\n\r\n')
[ "$(cat "$macro")" = "$expected" ] || { echo "recorded: $(od -c "$macro")"; exit 1; }

# The typed text made first.txt modified: Open asks to save it first.
xdotool key ctrl+o
box=$(wait_window '^Warning$' 10)
[ -n "$box" ] || { echo "no save prompt before opening"; exit 1; }
xdotool windowfocus --sync "$box" 2>/dev/null || true
sleep 0.3
xdotool key alt+n
dialog=$(wait_window '^Open$' 10)
[ -n "$dialog" ] || { echo "no open dialog after the save prompt"; exit 1; }
sleep 0.5
xdotool type --delay 10 "$home/second.txt"
xdotool key Return
[ -n "$(wait_window "$(title_pattern "$home/second.txt")" 10)" ] || { echo "second.txt did not open"; exit 1; }
activate "$win"
xdotool key ctrl+m; sleep 1
xdotool key ctrl+s
until_true '[ "$(od -c "$home/second.txt")" = "$(printf "Hi\\t\\nend\\n" | od -c)" ]' ||
  { echo "replayed and saved: $(od -c "$home/second.txt")"; exit 1; }
xdotool key alt+f; sleep 0.3; xdotool key x
wait_end || { echo "program did not end"; exit 1; }
echo "recorded in the real window, replayed with Ctrl+M onto another file and saved"
