#!/usr/bin/env bash
# Short-clip batch benchmark: 50 clips of 2 s through the window's batch driver and the
# real tcore (budget 1.5 s per clip in all), against tcore alone on the same clips; then 3
# clips with the old fixed pauses (2 s before each encoder, 3 s after it starts) for
# comparison. Takes about a minute.
#
#   bash bench/short_clips.sh [build folder] [clips]
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/common.sh
build=${1:-build}
clips=${2:-50}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
build_driver "$build" bench/short_clips.cpp "$work/short_clips"
export QT_QPA_PLATFORM=offscreen
"$work/short_clips" "$work/run" "$build/Clipwright" "$clips" 2>/dev/null
"$work/short_clips" "$work/run" "$build/Clipwright" 3 2000 3000 2>/dev/null
