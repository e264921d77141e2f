#!/usr/bin/env bash
# Preview CPU benchmark: the program's CPU use while the preview plays a 640x480 clip in
# its 253 x 152 video window (libmpv's software renderer), against the same window idle
# without a file and with the file loaded and paused, and how late the 10 ms trim handle
# timer and events for the source list ran meanwhile.
#
#   bash bench/preview_cpu.sh [build folder] [seconds] [runs]
#
# Compiles the driver against the build's libraries in a temporary folder (the build folder
# is left alone), makes a 30-second 640x480 clip with sound and runs the driver under Xvfb
# runs times (default 3), then prints the median of each figure. Audio goes to the
# desktop's sound server when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/common.sh
build=${1:-build}
seconds=${2:-10}
runs=${3:-3}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
build_driver "$build" bench/preview_cpu.cpp "$work/preview_cpu"
ffmpeg -v error -y -f lavfi -i testsrc2=size=640x480:rate=25 \
  -f lavfi -i sine=frequency=440:sample_rate=44100 -t 30 \
  -c:v mpeg4 -q:v 4 -c:a aac -shortest "$work/clip640x480.mp4"

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
for ((run = 1; run <= runs; run++)); do
  echo "run $run:"
  xvfb-run -a -s "-screen 0 1024x768x24" \
    "$work/preview_cpu" "$work/clip640x480.mp4" "$seconds" | tee -a "$work/out" | sed 's/^/  /'
done
echo "medians of $runs runs:"
for phase in "idle (no file)" "paused (file loaded)" "playing"; do
  cpu=$(median $(grep -F "$phase: CPU" "$work/out" | sed 's/.*CPU \([0-9.]*\) %.*/\1/'))
  gap=$(median $(grep -F "$phase: CPU" "$work/out" | sed 's/.*gap mean \([0-9.]*\) ms.*/\1/'))
  p99=$(median $(grep -F "$phase: CPU" "$work/out" | sed 's/.*ms, p99 \([0-9.]*\) ms, max.*/\1/'))
  echo "  $phase: CPU $cpu % of one core; tmrPaintSP gap mean $gap ms, p99 $p99 ms"
done
echo "  frames drawn while playing: $(median $(sed -n 's/^frames drawn while playing: \([0-9.]*\).*/\1/p' "$work/out")) per second"
