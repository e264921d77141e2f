#!/usr/bin/env bash
# Adding-sources benchmark: the time AddSourceFiles takes to probe and add 100 generated
# sources (ten formats the open dialog accepts, ten files each, 2-second 320x240 clips with
# sound). Budget: under 2 s in all.
#
#   bash bench/add_sources.sh [build folder] [runs]
#
# Builds a small driver against the build's libraries, makes the clips with ffmpeg in a
# temporary folder and prints each run and the median.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-5}
[ -f "$build/src/libclipwright_core.a" ] && [ -f "$build/src/libclipwright_gui.a" ] ||
  { echo "no libraries in $build/src; build first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

g++ -std=c++20 -O2 -fPIC -DQT_NO_KEYWORDS -Isrc $(pkg-config --cflags Qt6Core libavformat) \
  bench/add_sources.cpp "$build/src/libclipwright_gui.a" "$build/src/libclipwright_core.a" \
  $(pkg-config --libs Qt6Core libavformat libavcodec libavutil) -o "$work/add_sources"

make_clip() { # name, then ffmpeg output options
  local name=$1; shift
  ffmpeg -v error -y -f lavfi -i testsrc=size=320x240:rate=25 \
    -f lavfi -i sine=frequency=440:sample_rate=44100 -t 2 "$@" -shortest "$work/$name"
}
make_clip base.avi -c:v mpeg4 -c:a mp3
make_clip base.mp4 -c:v mpeg4 -c:a aac
make_clip base.m4v -c:v libx264 -preset ultrafast -c:a aac -f mp4
make_clip base.3gp -s 176x144 -c:v h263 -c:a aac -ar 22050 -ac 1
make_clip base.mov -c:v mpeg4 -c:a aac
make_clip base.flv -c:v flv1 -c:a mp3 -ar 44100
make_clip base.mpg -c:v mpeg1video -c:a mp2
make_clip base.wmv -c:v wmv2 -c:a wmav2 -f asf
make_clip base.asf -c:v msmpeg4 -c:a wmav2
make_clip base.rm -c:v rv10 -c:a ac3 -ar 44100

sources=()
for base in "$work"/base.*; do
  extension=${base##*.}
  for i in $(seq -w 1 10); do
    cp "$base" "$work/clip $i.$extension"
    sources+=("$work/clip $i.$extension")
  done
done

times=()
for ((run = 1; run <= runs; run++)); do
  line=$("$work/add_sources" "${sources[@]}")
  echo "run $run: $line"
  times+=("$(sed -n 's/.* ms=\([0-9]*\)$/\1/p' <<<"$line")")
done
median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
echo "adding ${#sources[@]} sources: median ${median} ms (budget 2000 ms)"
