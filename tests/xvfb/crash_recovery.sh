#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program killed while a document has unsaved changes: the next
# start offers them back. Yes restores the typed text as a modified
# document; No deletes the recovery file; a normal exit leaves none.
# Typing that never pauses is kept all the same.
source "$(dirname "$0")/session.sh"
state=$XDG_STATE_HOME/mirel-edit
document=$home/notes.txt
printf 'old line\n' > "$document"
title=$(title_pattern "$document")

recovery_files() { ls "$state" 2>/dev/null | grep -c '\.recovery$' || true; }
start() {   # key answering the recovery offer, or empty when none is expected
  "$program" "$document" & pid=$!
  if [ -n "$1" ]; then
    box=$(wait_window '^Confirm$' 20)
    [ -n "$box" ] || { echo "no recovery offer at start"; exit 1; }
    activate "$box"
    # Return takes the default Yes, Escape the No of the close box; an Alt
    # here would leave the main window's menu bar armed.
    xdotool key "$1"
  fi
  win=$(wait_window "$title" 20)
  [ -n "$win" ] || { echo "document window never appeared"; exit 1; }
  activate "$win"
}
type_and_crash() {
  xdotool type --delay 20 "$1"
  until_true '[ "$(recovery_files)" -ge 1 ]' || { echo "no recovery file after typing paused"; exit 1; }
  mode=$(stat -c %a "$state"/*.recovery)
  [ "$mode" = 600 ] || { echo "recovery file mode $mode"; exit 1; }
  kill -9 "$pid"; wait "$pid" 2>/dev/null || true; pid=
}
quit() {   # answer to "Save changes?", or empty when none is expected
  menu_pick alt+f x
  if [ -n "$1" ]; then
    ask=$(wait_window '^Warning$' 10)
    [ -n "$ask" ] || { echo "leaving did not ask to save: not marked modified"; exit 1; }
    activate "$ask"; xdotool key "alt+$1"
  fi
  wait_end || { echo "program did not end"; exit 1; }
}

start ""
type_and_crash "typed words "
[ "$(cat "$document")" = "old line" ] || { echo "the document changed on disk"; exit 1; }

# Yes: the typed text is back, modified; saving it on the way out writes it.
start Return
quit y
grep -q '^typed words old line' "$document" || { echo "restored text missing: $(cat "$document")"; exit 1; }
[ "$(recovery_files)" = 0 ] || { echo "recovery file left after a normal exit"; exit 1; }

# No: the recovery file is deleted and the document stays as saved.
start ""
type_and_crash "lost "
start Escape
[ "$(recovery_files)" = 0 ] || { echo "recovery file kept after No"; exit 1; }
quit ""
grep -q '^typed words old line' "$document" || { echo "document changed after No"; exit 1; }
[ "$(recovery_files)" = 0 ] || { echo "recovery file left after a normal exit"; exit 1; }

# Keys 150 ms apart (xdotool's delay spans press and release) for about
# eight seconds, killed the moment the last key is in: no pause ever came,
# yet a copy is there, holding the start of what was typed.
steady="steady keys with never a pause at all, for about eight seconds, one key after another until the program is killed "
start ""
xdotool type --delay 150 "$steady"
[ "$(recovery_files)" -ge 1 ] || { echo "no recovery copy while typing without pauses"; exit 1; }
grep -q "steady keys" "$state"/*.recovery || { echo "the copy lacks the typed text"; exit 1; }
kill -9 "$pid"; wait "$pid" 2>/dev/null || true; pid=
start Return
quit y
line=$(head -n 1 "$document")
typed=${line%typed words old line}
[ "$typed" != "$line" ] || { echo "restored text lost the saved line: $line"; exit 1; }
case $steady in "$typed"*) ;; *) echo "restored text is not what was typed: $typed"; exit 1;; esac
[ "${#typed}" -ge 12 ] || { echo "the copy holds too little of the typing: '$typed'"; exit 1; }
echo "killed three times: Yes restored the typed text as modified, No removed the recovery file," \
  "typing without pauses was kept (${#typed} of ${#steady} characters)"
