#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the software centre's screenshot from the real program: an X server
# of its own whose screen is a file, the window at 800 x 600 with an HTML
# page of the help open, and that screen's corner written out as PNG.
# Usage: take.sh VELLUMPAD [OUTPUT.png]   (needs Xvfb, xdotool, python3)
set -euo pipefail
program=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
output=${2:-$here/main-window.png}
work=$(mktemp -d)
server=
cleanup() {
  [ -n "$server" ] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
export HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_RUNTIME_DIR=$work/run QT_QPA_PLATFORM=xcb
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

Xvfb -displayfd 3 -screen 0 800x600x24 -fbdir "$work" -nolisten tcp 3>"$work/display" 2>/dev/null &
server=$!
for _ in $(seq 1 200); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=:$(tr -dc '0-9' <"$work/display")

cp "$here/../../help/macros.html" "$HOME/macros.html"
(cd "$HOME" && exec "$program" macros.html) &
app=$!
win=
for _ in $(seq 1 100); do
  win=$(xdotool search --onlyvisible --name 'macros\.html' 2>/dev/null | head -n 1) && [ -n "$win" ] && break
  sleep 0.1
done
[ -n "$win" ] || { echo "the window never appeared"; exit 1; }
xdotool windowmove "$win" 0 0 windowsize "$win" 800 600
xdotool mousemove 799 599
sleep 1.5

# Xvfb keeps screen 0 as an XWD file: a big-endian header, then 32-bit
# pixels in blue, green, red, pad order.
python3 - "$work/Xvfb_screen0" "$output" <<'PY'
import struct, sys, zlib
data = open(sys.argv[1], 'rb').read()
header = struct.unpack('>25I', data[:100])
size, width, height, line = header[0], header[4], header[5], header[12]
colours = header[19]
pixels = size + colours * 12
rows = []
for y in range(height):
    row = data[pixels + y * line: pixels + y * line + width * 4]
    rgb = bytearray(width * 3)
    rgb[0::3], rgb[1::3], rgb[2::3] = row[2::4], row[1::4], row[0::4]
    rows.append(b'\0' + bytes(rgb))
def chunk(kind, body):
    return struct.pack('>I', len(body)) + kind + body + struct.pack('>I', zlib.crc32(kind + body))
png = b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0))
png += chunk(b'IDAT', zlib.compress(b''.join(rows), 9)) + chunk(b'IEND', b'')
open(sys.argv[2], 'wb').write(png)
PY
kill "$app" 2>/dev/null || true
echo "$output"
