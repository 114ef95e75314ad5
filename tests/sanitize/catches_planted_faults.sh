#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The sanitizer run is only worth trusting if it fails on a fault: every
# planted fault must end the probe with the sanitizer's report.
set -uo pipefail
probe=$1
status=0
for case in "out-of-bounds:AddressSanitizer: heap-buffer-overflow" \
            "leak:LeakSanitizer: detected memory leaks" \
            "overflow:runtime error: signed integer overflow"; do
  fault=${case%%:*}
  report=${case#*:}
  output=$("$probe" "$fault" 2>&1)
  code=$?
  if [ "$code" -eq 0 ] || ! grep -qF "$report" <<<"$output"; then
    echo "FAIL: $fault went unreported (exit $code)"
    printf '%s\n' "$output" | tail -5
    status=1
  else
    echo "ok: $fault reported"
  fi
done
exit $status
