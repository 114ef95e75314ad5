# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the real-window scripts: finding and activating windows, and
# waiting. Every wait polls what it waits for up to a deadline: a loaded
# machine is slow, a fixed sleep is either too short there or wasted here.
# No "command | grep -q": under pipefail, grep leaving early fails the pipe.

# Milliseconds since the epoch.
now_ms() { local t=${EPOCHREALTIME/[.,]/}; echo $((t / 1000)); }
# Runs the command until it succeeds (0) or the seconds are over (1).
poll() {
  local end=$(($(now_ms) + $1 * 1000))
  shift
  until "$@"; do
    [ "$(now_ms)" -lt "$end" ] || return 1
    sleep 0.1
  done
}

# A window title as a whole-name pattern for xdotool search.
title_pattern() { printf '^%s$' "$(printf '%s' "$1" | sed 's/[][\\.^$*+?(){}|]/\\&/g')"; }
# Prints the first shown window whose name matches the pattern. A search
# dies of an X error when a window closes under it, so each try is a fresh
# search.
shown_window() {
  local w
  w=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1) || true
  [ -n "$w" ] && echo "$w"
}

# Window shown: prints the first shown window whose name matches the
# pattern, waiting up to the given seconds; prints nothing when none comes.
wait_window() { poll "$2" shown_window "$1" || true; }
# Window gone: no shown window's name matches the pattern.
no_window() { [ -z "$(shown_window "$1")" ]; }
wait_gone() { poll "$2" no_window "$1"; }

# Keyboard focus: the window given holds it.
has_focus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
wait_focus() { poll "$2" has_focus "$1"; }
# Raises the window and waits until it takes the keyboard.
activate() {
  xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1" 2>/dev/null || true
  wait_focus "$1" 10 || { echo "window $1 never took the keyboard" >&2; return 1; }
}

# Menu open: a pop-up of the program is shown. Menus are the shown windows
# the window manager leaves alone (override-redirect); their window type
# is no sign, Qt keeps the first one for a window it shows again.
menu_shown() {
  local w
  for w in $(xdotool search --onlyvisible --class . 2>/dev/null || true); do
    [[ $(xwininfo -id "$w" 2>/dev/null) == *"Override Redirect State: yes"* ]] && return 0
  done
  return 1
}
menu_closed() { ! menu_shown; }
# Opens a menu with its key and picks an item with another once it shows.
menu_pick() {
  xdotool key "$1"
  poll 10 menu_shown || { echo "$1 opened no menu" >&2; return 1; }
  xdotool key "$2"
}

# Condition true: a file appearing or holding some text, given as a shell
# expression, within ten seconds.
until_true() { poll 10 eval "$1"; }

# Process ended: waits up to the seconds for the process to end and reaps
# it, its exit status then in $status; fails when it is still running.
ended() { ! kill -0 "$1" 2>/dev/null; }
wait_exit() {
  poll "$2" ended "$1" || return 1
  status=0
  wait "$1" 2>/dev/null || status=$?
}

# Window framed: the window manager has taken the window in and put its
# frame around it, so its place on screen is the final one.
framed() { [[ $(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null) == *=* ]]; }
wait_framed() { poll "$2" framed "$1"; }
# Window on screen: it and all its parents are mapped.
viewable() { [[ $(xwininfo -id "$1" 2>/dev/null) == *IsViewable* ]]; }
wait_viewable() { poll "$2" viewable "$1"; }

# Window manager running: it has announced itself on the root window.
wm_running() { [[ $(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null) == *"window id"* ]]; }
wait_wm() { poll "$1" wm_running; }
