#!/usr/bin/env bash
# Compares tcore with the ffmpeg command line doing the same conversion (same codecs, sizes,
# bitrates) on a generated 60-second 640x480 source: the MP4 type at Superb quality and the
# MP3 type. Prints the median wall and CPU time of each, the wall-time ratio and the peak
# memory. The two programs take turns, so a busy machine slows both alike.
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

# Runs the two commands $runs times, alternating so that both see the same machine load.
# Prints "median_wall median_cpu max_rss_kb" for the first, then for the second.
measure_pair() {
  local -a first second
  local split i
  for ((split = 1; split <= $#; split++)); do [ "${!split}" = "--" ] && break; done
  first=("${@:1:split-1}")
  second=("${@:split+1}")
  : >"$work/a" && : >"$work/b"
  for ((i = 0; i < runs; i++)); do
    for side in a b; do
      local -a cmd
      if [ $side = a ]; then cmd=("${first[@]}"); else cmd=("${second[@]}"); fi
      /usr/bin/time -f '%e %U %S %M' -o "$work/t" "${cmd[@]}" >/dev/null 2>"$work/err" || {
        echo "failed: ${cmd[*]}" >&2; tail -c 500 "$work/err" >&2; exit 1; }
      cat "$work/t" >>"$work/$side"
    done
  done
  for side in a b; do
    awk '{ wall[NR] = $1; cpu[NR] = $2 + $3; if ($4 > rss) rss = $4 }
      function median(v, n,   i, j, t) {
        for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (v[j] < v[i]) { t = v[i]; v[i] = v[j]; v[j] = t }
        return (n % 2) ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2 }
      END { print median(wall, NR), median(cpu, NR), rss }' "$work/$side"
  done
}

compare() {
  local name=$1 ext=$2; shift 2
  local -a ours theirs
  local split
  for ((split = 1; split <= $#; split++)); do [ "${!split}" = "--" ] && break; done
  ours=("${@:1:split-1}")
  theirs=("${@:split+1}")
  {
    read -r t_ours c_ours m_ours
    read -r t_ff c_ff m_ff
  } < <(measure_pair "$tcore" -y -i "$src" "${ours[@]}" "$work/tcore.$ext" -- \
    ffmpeg -nostdin -hide_banner -loglevel error -y -i "$src" "${theirs[@]}" "$work/ffmpeg.$ext")
  awk -v n="$name" -v to="$t_ours" -v tf="$t_ff" -v co="$c_ours" -v cf="$c_ff" -v mo="$m_ours" \
    -v mf="$m_ff" -v r="$runs" 'BEGIN {
    printf "%-11s wall: tcore %5.2f s, ffmpeg %5.2f s, ratio %.2f | cpu: tcore %5.2f s, ffmpeg %5.2f s | peak memory: tcore %5.1f MB, ffmpeg %5.1f MB (median of %d)\n",
      n, to, tf, (tf > 0 ? to / tf : 0), co, cf, mo / 1024, mf / 1024, r }'
}

compare "MP4 Superb" mp4 \
  -vcodec mpeg4 -acodec aac -b 512 -s 160x120 -r 15 -aspect 4:3 -ab 224 -vol 200 -ac 2 -ar 48000 \
  -- -c:v mpeg4 -b:v 512k -s 160x120 -r 15 -aspect 4:3 -c:a aac -b:a 224k -af volume=2 -ac 2 -ar 48000
compare "MP3 Superb" mp3 \
  -acodec mp3 -vn -ab 224 -vol 200 -ac 2 -ar 48000 \
  -- -vn -c:a libmp3lame -b:a 224k -af volume=2 -ac 2 -ar 48000
