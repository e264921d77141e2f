#!/usr/bin/env bash
# Adding-sources benchmark: the time AddSourceFiles takes to probe and add 100 sources with
# the libavformat probe: 50 10-second 1080p H.264/AAC MP4 files as phones record them and
# five files each of ten other accepted formats. Budget: under 2 s in all.
#
#   bash bench/add_sources.sh [build folder] [runs]
#
# Compiles a small driver against the build's libraries in a temporary folder, makes the
# files there with ffmpeg and prints each run and the median.
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/common.sh
build=${1:-build}
runs=${2:-5}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
build_driver "$build" bench/add_sources.cpp "$work/add_sources"
mapfile -t sources < <(make_sources "$work")

times=()
for ((run = 1; run <= runs; run++)); do
  line=$("$work/add_sources" "${sources[@]}")
  echo "run $run: $line"
  times+=("$(sed -n 's/.* ms=\([0-9]*\)$/\1/p' <<<"$line")")
done
echo "adding ${#sources[@]} sources: median $(median "${times[@]}") ms (budget 2000 ms)"
# The two halves on their own, for the cost of a file of each kind.
echo "the 50 1080p H.264 files alone: $("$work/add_sources" "${sources[@]:0:50}")"
echo "the 50 files of other formats alone: $("$work/add_sources" "${sources[@]:50}")"
