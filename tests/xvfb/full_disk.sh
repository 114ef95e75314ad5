#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program saving onto a full disk: the save must fail with the
# error box, the document on disk and the settings file must stay whole,
# and leaving must still ask to save.
set -euo pipefail
program=$1
command -v xdotool >/dev/null || { echo "xdotool missing"; exit 77; }
home=$(mktemp -d)
disk=$home/disk
mkdir -p "$disk"
if ! mount -t tmpfs -o size=512k tmpfs "$disk" 2>/dev/null; then
  rm -rf "$home"
  echo "cannot mount a small file system here"; exit 77
fi
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  umount -l "$disk" 2>/dev/null || true
  rm -rf "$home"
}
trap cleanup EXIT
export HOME=$home XDG_CONFIG_HOME=$disk/config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home/run
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" && chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb
settings=$XDG_CONFIG_HOME/MirelSoft/Mirel-Edit.reg
document=$disk/doc.txt
printf 'old text\n' > "$document"

source "$(dirname "$0")/windows.sh"
# Waits for the program to end, answering No to the save question and OK
# to any other box on the way out (a failed settings write shows in the
# program's own error box, titled like the main window).
answer_boxes_or_ended() {
  ended "$pid" && return 0
  local box
  for box in $(xdotool search --onlyvisible --class . 2>/dev/null || true); do
    [ "$box" = "$win" ] && continue
    # Only the program's boxes are answered: the toolbar and Qt's helper
    # windows never take the keyboard.
    xprop -id "$box" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _DIALOG || continue
    activate "$box" || continue   # gone meanwhile
    case $(xdotool getwindowname "$box" 2>/dev/null) in
      Warning) xdotool key alt+n ;;
      *) xdotool key Return ;;
    esac
  done
  return 1
}
finish() {
  poll 18 answer_boxes_or_ended || { echo "program did not end"; exit 1; }
  wait "$pid" || true
  pid=
}
quit() {
  menu_pick alt+f x
  finish
}

# A first run on the free disk writes the settings file.
"$program" & pid=$!
win=$(wait_window '^Mirel-Edit 1\.5\.4$' 20)
[ -n "$win" ] || { echo "main window never appeared"; exit 1; }
activate "$win"
quit
[ -s "$settings" ] || { echo "no settings file after the first run"; exit 1; }
cp "$settings" "$home/settings.before"

# Now nothing more fits.
dd if=/dev/zero of="$disk/filler" bs=4k 2>/dev/null || true
dd if=/dev/zero of="$disk/filler2" bs=1 2>/dev/null || true

"$program" "$document" & pid=$!
win=$(wait_window "$(title_pattern "$document")" 20)
[ -n "$win" ] || { echo "document window never appeared"; exit 1; }
activate "$win"
xdotool type --delay 20 "new "
xdotool key ctrl+s
box=$(wait_window '^Error' 10)
[ -n "$box" ] || { echo "no error box after saving onto a full disk"; exit 1; }
activate "$box"
xdotool key Return
wait_gone '^Error' 10 || { echo "the error box stayed after Return"; exit 1; }
activate "$win"
# Still modified: leaving asks to save.
menu_pick alt+f x
ask=$(wait_window '^Warning' 10)
[ -n "$ask" ] || { echo "leaving did not ask to save after the failed save"; exit 1; }
activate "$ask"; xdotool key alt+n
finish

[ "$(cat "$document")" = "old text" ] || { echo "document changed on disk: $(od -c "$document" | head -3)"; exit 1; }
cmp -s "$settings" "$home/settings.before" || { echo "settings file changed on the full disk"; exit 1; }
echo "save onto a full disk failed with an error box; document and settings file whole"
