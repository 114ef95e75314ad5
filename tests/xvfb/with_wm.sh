#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on the current X display with a window manager, as users
# have one: activation and frames behave as they do on a desktop.
set -euo pipefail
command -v openbox >/dev/null || { echo "openbox missing"; exit 77; }
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null || true' EXIT
source "$(dirname "$0")/windows.sh"
wait_wm 10 || { echo "openbox did not start"; exit 1; }
"$@"
