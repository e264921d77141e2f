#!/usr/bin/env bash
# Compares tcore with the ffmpeg command line doing the same conversion (same codecs, sizes,
# bitrates) on a generated 60-second 640x480 source: the MP4 type at Superb quality and the
# MP3 type. Prints the median wall time of each, the time ratio and the peak memory.
#   bash bench/encoder.sh [build dir, default build] [runs, default 5]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-5}
tcore="$PWD/$build/Clipwright/tcore"
[ -x "$tcore" ] || { echo "no $tcore: build first" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "/usr/bin/time is missing (package time)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
src="$work/source.mp4"
echo "Making a 60 s 640x480 source (H.264 25 fps, AAC stereo 44100 Hz)..."
ffmpeg -hide_banner -loglevel error -y \
  -f lavfi -i "testsrc2=size=640x480:rate=25:duration=60" \
  -f lavfi -i "sine=frequency=440:sample_rate=44100:duration=60" \
  -c:v libx264 -preset veryfast -pix_fmt yuv420p -c:a aac -b:a 128k -ac 2 "$src"

# Runs one command $runs times; prints "median_seconds max_rss_kb".
measure() {
  local times=() rss=0 i
  for ((i = 0; i < runs; i++)); do
    /usr/bin/time -f '%e %M' -o "$work/t" "$@" >/dev/null 2>"$work/err" || {
      echo "failed: $*" >&2; tail -c 500 "$work/err" >&2; exit 1; }
    read -r secs kb <"$work/t"
    times+=("$secs")
    ((kb > rss)) && rss=$kb
  done
  printf '%s\n' "${times[@]}" | sort -n | awk -v rss="$rss" \
    '{a[NR]=$1} END {m = (NR % 2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2; print m, rss}'
}

compare() {
  local name=$1 ext=$2; shift 2
  local -a ours theirs
  local split
  for ((split = 1; split <= $#; split++)); do [ "${!split}" = "--" ] && break; done
  ours=("${@:1:split-1}")
  theirs=("${@:split+1}")
  read -r t_ours m_ours < <(measure "$tcore" -y -i "$src" "${ours[@]}" "$work/tcore.$ext")
  read -r t_ff m_ff < <(measure ffmpeg -nostdin -hide_banner -loglevel error -y -i "$src" \
    "${theirs[@]}" "$work/ffmpeg.$ext")
  awk -v n="$name" -v to="$t_ours" -v tf="$t_ff" -v mo="$m_ours" -v mf="$m_ff" -v r="$runs" 'BEGIN {
    printf "%-12s tcore %6.2f s  ffmpeg %6.2f s  time ratio %.2f   peak memory tcore %6.1f MB  ffmpeg %6.1f MB  (median of %d runs)\n",
      n, to, tf, (tf > 0 ? to / tf : 0), mo / 1024, mf / 1024, r }'
}

compare "MP4 Superb" mp4 \
  -vcodec mpeg4 -acodec aac -b 512 -s 160x120 -r 15 -aspect 4:3 -ab 224 -vol 200 -ac 2 -ar 48000 \
  -- -c:v mpeg4 -b:v 512k -s 160x120 -r 15 -aspect 4:3 -c:a aac -b:a 224k -af volume=2 -ac 2 -ar 48000
compare "MP3 Superb" mp3 \
  -acodec mp3 -vn -ab 224 -vol 200 -ac 2 -ar 48000 \
  -- -vn -c:a libmp3lame -b:a 224k -af volume=2 -ac 2 -ar 48000
