#!/usr/bin/env bash
# Preview CPU benchmark: the program's CPU use while the preview plays a 640x480 clip in
# its 253 x 152 video window (libmpv's software renderer), against the same window idle, and
# how late the 10 ms trim handle timer and events for the source list ran meanwhile.
#
#   bash bench/preview_cpu.sh [build folder] [seconds]
#
# Builds the driver target preview_cpu_bench, makes a 30-second 640x480 clip with sound and
# runs the driver under Xvfb. Audio goes to the desktop's sound server when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
seconds=${2:-10}
cmake --build "$build" --target preview_cpu_bench -j2 > /dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ffmpeg -v error -y -f lavfi -i testsrc2=size=640x480:rate=25 \
  -f lavfi -i sine=frequency=440:sample_rate=44100 -t 30 \
  -c:v mpeg4 -q:v 4 -c:a aac -shortest "$work/clip640x480.mp4"

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
xvfb-run -a -s "-screen 0 1024x768x24" \
  "$build/tests/preview_cpu_bench" "$work/clip640x480.mp4" "$seconds"
