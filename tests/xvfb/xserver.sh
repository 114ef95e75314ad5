#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on an X server of its own (1280x1024, 24 bits). Xvfb
# picks a free display itself and says which once it takes connections:
# xvfb-run -a guesses a free number, and tests started together can race
# for the same one. The server never resets: a reset after the last client
# left (a program killed on purpose) drops a program connecting just then.
set -euo pipefail
command -v Xvfb >/dev/null || { echo "Xvfb missing"; exit 77; }
dir=$(mktemp -d)
server=
cleanup() {
  [ -n "$server" ] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null || true
  rm -rf "$dir"
}
trap cleanup EXIT
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$dir/display" 2>"$dir/log" &
server=$!
source "$(dirname "$0")/windows.sh"
display_told() { [ -s "$dir/display" ] || ! kill -0 "$server" 2>/dev/null; }
poll 10 display_told || true
number=$(tr -dc '0-9' < "$dir/display")
[ -n "$number" ] || { echo "Xvfb did not start:"; cat "$dir/log"; exit 1; }
export DISPLAY=:$number
unset XAUTHORITY
rc=0
"$@" || rc=$?
exit "$rc"
