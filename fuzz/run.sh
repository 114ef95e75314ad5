#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang and runs each one for a bounded
# time on its seed corpus (fuzz/corpus/NAME, NAME being the target without
# "fuzz_") and dictionary (fuzz/fuzz_NAME.dict). A crash, leak, timeout or
# out-of-memory fails the run; the input that caused it is kept in
# BUILD/artifacts.
#
#   fuzz/run.sh [seconds-per-target] [build-folder]
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-20}"
build="${2:-$root/build-fuzz}"

targets=()
for src in "$root"/fuzz/fuzz_*.cpp; do
    targets+=("$(basename "$src" .cpp)")
done

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=Fuzz -DCMAKE_CXX_FLAGS="-O1 -gline-tables-only" -DMIREL_BUILD_FUZZ=ON \
    -DMIREL_BUILD_TESTS=OFF -DMIREL_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target "${targets[@]}"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
for target in "${targets[@]}"; do
    name="${target#fuzz_}"
    mkdir -p "$build/artifacts"
    args=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
          -artifact_prefix="$build/artifacts/$target-")
    [ -f "$root/fuzz/$target.dict" ] && args+=(-dict="$root/fuzz/$target.dict")
    mkdir -p "$work/$name"
    seeds=()
    [ -d "$root/fuzz/corpus/$name" ] && seeds+=("$root/fuzz/corpus/$name")
    echo "== $target for ${seconds}s"
    "$build/fuzz/$target" "${args[@]}" "$work/$name" "${seeds[@]}"
done
