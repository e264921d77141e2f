#!/usr/bin/env bash
# Progress benchmark: the time from the encoder writing a progress report to the current-file
# bar showing it (budget: one delivery period, 500 ms), and the batch's own overhead per job
# beyond its fixed pauses (target under 50 ms). Real batches with the program's own pauses
# and a stand-in encoder; takes about a minute.
#
#   bash bench/progress_latency.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
[ -f "$build/src/libclipwright_core.a" ] && [ -f "$build/src/libclipwright_gui.a" ] ||
  { echo "no libraries in $build/src; build first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

g++ -std=c++20 -O2 -fPIC -DQT_NO_KEYWORDS -Isrc \
  $(pkg-config --cflags Qt6Widgets Qt6DBus) \
  bench/progress_latency.cpp "$build/src/libclipwright_gui.a" "$build/src/libclipwright_core.a" \
  $(pkg-config --libs Qt6Widgets Qt6DBus) -ldl -o "$work/progress_latency"

QT_QPA_PLATFORM=offscreen "$work/progress_latency" "$work/run" 2>/dev/null
