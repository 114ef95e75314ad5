#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real program under a window manager with a command-line file
# that does not exist. The "File not found!" box must be titled "Error" and
# nothing more, and sit centred over the main window wherever the window
# manager put that.
set -euo pipefail
program=$1
for tool in xdotool xwininfo openbox; do
  command -v $tool >/dev/null || { echo "$tool missing"; exit 77; }
done
home=$(mktemp -d)
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home/run
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb

# New windows go to the middle of the screen, away from its corner.
cat > "$home/rc.xml" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <placement><policy>Smart</policy><center>yes</center></placement>
</openbox_config>
EOF
openbox --sm-disable --config-file "$home/rc.xml" >/dev/null 2>&1 &
wm=$!
pid=
trap '[ -n "$pid" ] && kill $pid 2>/dev/null; kill $wm 2>/dev/null; rm -rf "$home"' EXIT
source "$(dirname "$0")/windows.sh"
wait_wm 10 || { echo "openbox did not start"; exit 1; }

"$program" "$home/missing.txt" &
pid=$!
# The window whose whole title is the text (a search alone also finds
# longer titles).
window_titled() {
  for w in $(xdotool search --name "^$1" 2>/dev/null); do
    [ "$(xdotool getwindowname "$w")" = "$1" ] && { echo "$w"; return 0; }
  done
  return 1
}
box=$(poll 20 window_titled "Error") || true
if [ -z "$box" ]; then
  echo "no window titled exactly \"Error\"; the windows are:"
  for w in $(xdotool search --name '.' 2>/dev/null); do echo "  $(xdotool getwindowname "$w")"; done
  exit 1
fi
main=$(window_titled "Mirel-Edit 1.5.4") || { echo "main window not found"; exit 1; }
# The box is modal: a main window still hidden now stays hidden under it.
if ! wait_viewable "$main" 10; then
  echo "the box came up while the main window was not on screen"
  exit 1
fi
wait_framed "$main" 10 && wait_framed "$box" 10 || { echo "the window manager did not frame the windows"; exit 1; }

# Centre of a window on the screen, its frame left out.
centre() {
  local info x y w h
  info=$(xwininfo -id "$1")
  x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
  y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
  w=$(sed -n 's/.*Width: *//p' <<<"$info")
  h=$(sed -n 's/.*Height: *//p' <<<"$info")
  echo "$((x + w / 2)) $((y + h / 2))"
}
read -r mx my < <(centre "$main")
read -r bx by < <(centre "$box")
echo "main window centre $mx,$my; box centre $bx,$by"
dx=$((bx - mx)); dy=$((by - my))
if [ ${dx#-} -gt 40 ] || [ ${dy#-} -gt 60 ]; then
  echo "the box is not centred over the main window"
  exit 1
fi
echo "start-up box titled Error, centred over the main window"
