#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real program on a 25 MB plain text file under Xvfb, waits until
# the window shows the file and the process has gone idle, then quits it and
# prints its CPU time and peak memory. With RESIZE=1 the window is made
# wider once the file shows (as a window manager maximizing it would).
# Usage: [RESIZE=1] startup_25mb.sh [program]
set -euo pipefail
program=${1:-build/vellumpad}
program=$(realpath "$program")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/run
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
doc=$work/big.txt
python3 - "$doc" <<'PY'
import sys
out = bytearray()
i = 0
while len(out) < 25 * 1024 * 1024:
    out += b'Line %d: <p class="x">the quick brown fox &amp; the lazy dog</p>\r\n' % i
    i += 1
open(sys.argv[1], 'wb').write(out)
PY
cat > "$work/drive.sh" <<DRIVE
#!/usr/bin/env bash
set -u
export QT_QPA_PLATFORM=xcb
/usr/bin/time -f '%U %S %M' -o "$work/time.txt" "$program" "$doc" &
outer=\$!
win=\$(timeout 60 xdotool search --sync --name "^$doc\\\$" | head -n1)
pid=\$(pgrep -n -f "^$program ")
# Idle: CPU ticks stop growing for one second.
last=-1
for _ in \$(seq 1 120); do
  now=\$(awk '{print \$14+\$15}' /proc/\$pid/stat)
  [ "\$now" = "\$last" ] && break
  last=\$now
  sleep 1
done
if [ "${RESIZE:-0}" = 1 ]; then
  xdotool windowsize \$win 1200 900
  last=-1
  for _ in \$(seq 1 60); do
    sleep 1
    now=\$(awk '{print \$14+\$15}' /proc/\$pid/stat)
    [ "\$now" = "\$last" ] && break
    last=\$now
  done
fi
echo "window: \${win:-none}"
kill -TERM \$pid
wait \$outer || true
DRIVE
chmod +x "$work/drive.sh"
xvfb-run -a -s '-screen 0 1280x1024x24' "$work/drive.sh"
read -r user sys kb < <(tail -n1 "$work/time.txt")
echo "25 MB on the command line: CPU $(python3 -c "print(f'{$user+$sys:.2f}')") s (user $user, sys $sys), peak memory $((kb / 1024)) MB"
echo "reference: FeatherPad about 2.6 s and 377 MB, Mousepad about 7.3 s and 214 MB"
