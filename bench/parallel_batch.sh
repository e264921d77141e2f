#!/usr/bin/env bash
# Conversions at the same time: 24 clips (12 of 10 s 640x480 to MP4 Superb, 12 of 60 s of
# sound to AAC Superb) through the window's batch driver and the real tcore, with
# "Conversions at the same time" on Automatic against 1, in one run. Goal on 2 cores: all
# 24 with Automatic in at most 0.75 of the time one at a time takes. Prints the load
# average before and after.
#
#   bash bench/parallel_batch.sh [build folder] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/common.sh
build=${1:-build}
runs=${2:-1}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
build_driver "$build" bench/parallel_batch.cpp "$work/parallel_batch"
export QT_QPA_PLATFORM=offscreen
echo "before: $(uptime)"
"$work/parallel_batch" "$work/run" "$build/Clipwright" "$runs" 2>/dev/null
echo "after:  $(uptime)"
