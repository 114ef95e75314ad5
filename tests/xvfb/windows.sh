# Sourced by the real-window scripts: finding and activating windows.

# A window title as a whole-name pattern for xdotool search.
title_pattern() { printf '^%s$' "$(printf '%s' "$1" | sed 's/[][\\.^$*+?(){}|]/\\&/g')"; }
activate() {
  xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1" 2>/dev/null || true
  sleep 0.4
}
# Prints the first shown window whose name matches the pattern, waiting up
# to the given seconds; prints nothing when none comes. A search dies of an
# X error when a window closes under it, so each try is a fresh search.
wait_window() {
  local end=$((SECONDS + $2)) w
  while [ "$SECONDS" -lt "$end" ]; do
    w=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1) || true
    [ -n "$w" ] && { echo "$w"; return 0; }
    sleep 0.1
  done
  return 0
}
