# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the real-window scripts: the program's path from the first
# argument, a home folder of the run's own (removed at the end, with the
# program killed if it still runs), the X11 platform, and helpers.
set -euo pipefail
program=$1
command -v xdotool >/dev/null || { echo "xdotool missing"; exit 77; }
home=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null || true
  rm -rf "$home"
}
trap cleanup EXIT
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home/run
export XDG_STATE_HOME=$home/state
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb

source "$(dirname "${BASH_SOURCE[0]}")/windows.sh"
# Waits for the program to end by itself.
wait_end() {
  wait_exit "$pid" 10 || return 1
  pid=
}
