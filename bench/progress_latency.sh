#!/usr/bin/env bash
# Progress benchmark: the time from the encoder writing a progress report to the current-file
# bar showing it (budget: one delivery period, 500 ms), and the batch's own overhead per job
# beyond its fixed pauses (target under 50 ms). Real batches with the program's own pauses
# and a stand-in encoder; takes about a minute.
#
#   bash bench/progress_latency.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/common.sh
build=${1:-build}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
build_driver "$build" bench/progress_latency.cpp "$work/progress_latency"

QT_QPA_PLATFORM=offscreen "$work/progress_latency" "$work/run" 2>/dev/null
