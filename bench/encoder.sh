#!/usr/bin/env bash
# tcore against the ffmpeg command line doing the same conversion (same codecs, sizes, frame
# rates, bitrates, volume with its peak limiter, pictures fitted with bars), on every output
# type at the Low and Superb profiles (and H.264 and H.265 at Normal on the 1080p source), on
# three generated sources:
#   avi640   60 s 640x480 MPEG-4 25 fps with MP3 stereo 44100 Hz, in AVI
#   h264     30 s 1920x1080 H.264 30 fps with AAC stereo 48000 Hz, in MP4
#   audio10  10 minutes of MP3 stereo 44100 Hz
# then tcore's time against the source's length (MP4 Superb on 10, 60 and 300 s of the
# 640x480 source).
#
# Each row: median wall time and CPU time (user + system) of each program, the wall-time
# ratio tcore/ffmpeg, the cores used (CPU / wall) and the peak memory (largest resident set of
# all runs). The two programs take turns, the one that starts alternating, so a machine that
# other work slows down slows both alike; medians hide single outliers.
#
# Debian's ffmpeg has no AMR-NB encoder: the AMR types are compared with AAC at 8000 Hz mono
# and 12 kbit/s, marked "~" (not like-for-like).
#
#   bash bench/encoder.sh [build dir, default build] [runs, default 1] [row filter]
# The row filter is an extended regular expression on "source type profile" (for example
# 'avi640 MP4' or 'audio10'; the length series has the sources len10, len60 and len300);
# rows that do not match are skipped. Sources are generated on first use and kept in
# <build dir>/bench-media for later runs.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-1}
filter=${3:-.}
case $build in /*) ;; *) build="$PWD/$build" ;; esac
tcore="$build/Clipwright/tcore"
[ -x "$tcore" ] || { echo "no $tcore: build first" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "/usr/bin/time is missing (package time)" >&2; exit 1; }
command -v ffmpeg >/dev/null || { echo "ffmpeg is missing" >&2; exit 1; }
[[ $runs =~ ^[1-9][0-9]*$ ]] || { echo "runs must be a positive number" >&2; exit 1; }

media="$build/bench-media"
mkdir -p "$media"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Moving pictures and music-like sound (a chord over pink noise), so the encoders do real work.
sound() { # sound RATE SECONDS
  echo "aevalsrc=0.25*sin(2*PI*220*t)+0.2*sin(2*PI*277*t)+0.15*sin(2*PI*330*t*(1+0.01*sin(t))):s=$1:c=stereo:d=$2"
}
noise() { # noise RATE SECONDS
  echo "anoisesrc=color=pink:amplitude=0.15:r=$1:d=$2"
}
mix="[1][2]amix=inputs=2:normalize=0[a]"
# media_file NAME: the path of a generated source, made on first use.
media_file() {
  local path="$media/$1" seconds
  if [ ! -s "$path" ]; then
    echo "Making $1..." >&2
    local -a args
    case $1 in
      avi640-*s.avi)
        seconds=${1#avi640-}; seconds=${seconds%s.avi}
        args=(-f lavfi -i "testsrc2=size=640x480:rate=25:duration=$seconds"
          -f lavfi -i "$(sound 44100 "$seconds")" -f lavfi -i "$(noise 44100 "$seconds")"
          -filter_complex "$mix" -map 0:v -map "[a]" -c:v mpeg4 -b:v 1500k -c:a libmp3lame -b:a 128k) ;;
      h264-30s.mp4)
        args=(-f lavfi -i "testsrc2=size=1920x1080:rate=30:duration=30"
          -f lavfi -i "$(sound 48000 30)" -f lavfi -i "$(noise 48000 30)"
          -filter_complex "$mix" -map 0:v -map "[a]" -c:v libx264 -preset veryfast -b:v 8M
          -pix_fmt yuv420p -c:a aac -b:a 160k) ;;
      audio10-600s.mp3)
        args=(-f lavfi -i "$(sound 44100 600)" -f lavfi -i "$(noise 44100 600)"
          -filter_complex "[0][1]amix=inputs=2:normalize=0[a]" -map "[a]"
          -c:a libmp3lame -b:a 192k) ;;
    esac
    ffmpeg -nostdin -hide_banner -loglevel error -y "${args[@]}" "$path.tmp.${1##*.}" >&2
    mv "$path.tmp.${1##*.}" "$path"
  fi
  echo "$path"
}

# measure SIDE CMD...: one timed run, appended to $work/SIDE as "wall cpu rss_kb".
measure() {
  local side=$1; shift
  /usr/bin/time -f '%e %U %S %M' -o "$work/t" "$@" >/dev/null 2>"$work/err" || {
    echo "failed: $*" >&2; tail -c 600 "$work/err" >&2; exit 1; }
  awk '{ print $1, $2 + $3, $4 }' "$work/t" >>"$work/$side"
}
# summary SIDE: "median_wall median_cpu peak_rss_mb"
summary() {
  sort -n -k1,1 "$work/$1" | awk '{ w[NR] = $1 } END { print (NR % 2) ? w[(NR + 1) / 2] : (w[NR / 2] + w[NR / 2 + 1]) / 2 }' >"$work/w"
  sort -n -k2,2 "$work/$1" | awk '{ c[NR] = $2 } END { print (NR % 2) ? c[(NR + 1) / 2] : (c[NR / 2] + c[NR / 2 + 1]) / 2 }' >"$work/c"
  awk '$3 > m { m = $3 } END { print m / 1024 }' "$work/$1" >"$work/m"
  echo "$(cat "$work/w") $(cat "$work/c") $(cat "$work/m")"
}

header() {
  printf '\n%-8s %-9s %-7s | %7s %7s %5s | %7s %7s | %5s %5s | %6s %6s\n' \
    "source" "type" "profile" "tcore" "ffmpeg" "ratio" "cpu tc" "cpu ff" "cores" "cores" "MB tc" "MB ff"
  printf '%-8s %-9s %-7s | %7s %7s %5s | %7s %7s | %5s %5s | %6s %6s\n' \
    "" "" "" "wall s" "wall s" "" "s" "s" "tc" "ff" "" ""
}

# row SOURCE_LABEL SOURCE_NAME TYPE PROFILE EXT "tcore options" "ffmpeg options" [~]
row() {
  local label=$1 type=$3 profile=$4 ext=$5 ours=$6 theirs=$7 mark=${8:-} file
  [[ "$label $type $profile" =~ $filter ]] || return 0
  file=$(media_file "$2")
  local theirs_ext=$ext
  [ -n "$mark" ] && [ "$ext" = amr ] && theirs_ext=aac
  : >"$work/a"; : >"$work/b"
  local i
  for ((i = 0; i < runs; i++)); do
    # shellcheck disable=SC2086
    if ((i % 2 == 0)); then
      measure a "$tcore" -y -i "$file" $ours "$work/out.$ext"
      measure b ffmpeg -nostdin -hide_banner -loglevel error -y -i "$file" $theirs "$work/ff.$theirs_ext"
    else
      measure b ffmpeg -nostdin -hide_banner -loglevel error -y -i "$file" $theirs "$work/ff.$theirs_ext"
      measure a "$tcore" -y -i "$file" $ours "$work/out.$ext"
    fi
  done
  read -r wa ca ma < <(summary a)
  read -r wb cb mb < <(summary b)
  awk -v l="$label" -v t="$type" -v p="$profile" -v wa="$wa" -v wb="$wb" -v ca="$ca" -v cb="$cb" \
    -v ma="$ma" -v mb="$mb" -v mark="$mark" 'BEGIN {
    printf "%-8s %-9s %-7s | %7.2f %7.2f %4.2f%1s | %7.2f %7.2f | %5.2f %5.2f | %6.1f %6.1f\n",
      l, t, p, wa, wb, (wb > 0 ? wa / wb : 0), mark, ca, cb, (wa > 0 ? ca / wa : 0),
      (wb > 0 ? cb / wb : 0), ma, mb }'
}

# The program's command lines (type, profile) and ffmpeg's equivalent. -vol 200 is the
# program's default volume; tcore raises it through a peak limiter, so ffmpeg does too.
limiter="volume=2,alimiter=limit=0.944:level=false:latency=true"
fit() { # fit W H: the picture fitted into W x H keeping its shape, black bars around it
  echo "scale=$1:$2:force_original_aspect_ratio=decrease:flags=bicubic,pad=$1:$2:(ow-iw)/2:(oh-ih)/2:black,setsar=1"
}
types() { # types LABEL FILE
  local l=$1 f=$2 fmt name
  local low_v="-b 40 -s 160x120 -r 11 -aspect 4:3 -ab 48 -vol 200 -ac 1 -ar 22050"
  local sup_v="-b 512 -s 160x120 -r 15 -aspect 4:3 -ab 224 -vol 200 -ac 2 -ar 48000"
  local fit160 ff_low_v ff_sup_v ff_amr
  fit160=$(fit 160 120)
  ff_low_v="-c:v mpeg4 -b:v 40k -r 11 -vf $fit160 -aspect 4:3 -c:a aac -b:a 48k -af $limiter -ac 1 -ar 22050"
  ff_sup_v="-c:v mpeg4 -b:v 512k -r 15 -vf $fit160 -aspect 4:3 -c:a aac -b:a 224k -af $limiter -ac 2 -ar 48000"
  ff_amr="-c:a aac -b:a 12k -af $limiter -ac 1 -ar 8000"
  for fmt in 3gp 3g2 mp4; do
    local f_opt="-f $fmt" name
    case $fmt in 3gp) name="3GP MP4" ;; 3g2) name="3G2 MP4" ;; mp4) name="MP4"; f_opt="" ;; esac
    row "$l" "$f" "$name" Low "$fmt" "-vcodec mpeg4 -acodec aac $low_v $f_opt" "$ff_low_v $f_opt"
    row "$l" "$f" "$name" Superb "$fmt" "-vcodec mpeg4 -acodec aac $sup_v $f_opt" "$ff_sup_v $f_opt"
  done
  for fmt in 3gp 3g2; do
    name="${fmt^^} AMR"
    row "$l" "$f" "$name" Low "$fmt" "-acodec amr_nb -s 160x120 -b 40 -ab 48 -vol 200 -ac 1 -ar 8000 -f $fmt" \
      "-c:v mpeg4 -b:v 40k -vf $fit160 $ff_amr -f $fmt" "~"
    row "$l" "$f" "$name" Superb "$fmt" "-acodec amr_nb -s 160x120 -b 512 -ab 224 -vol 200 -ac 1 -ar 8000 -f $fmt" \
      "-c:v mpeg4 -b:v 512k -vf $fit160 $ff_amr -f $fmt" "~"
  done
  row "$l" "$f" AMR Low amr "-acodec amr_nb -s 160x120 -b 128 -ab 48 -vol 200 -ac 1 -ar 8000" "-vn $ff_amr" "~"
  row "$l" "$f" AMR Superb amr "-acodec amr_nb -s 160x120 -b 128 -ab 224 -vol 200 -ac 1 -ar 8000" "-vn $ff_amr" "~"
  row "$l" "$f" AAC Low aac "-acodec aac -vn -ab 48 -vol 200 -ac 1 -ar 22050" "-vn -c:a aac -b:a 48k -af $limiter -ac 1 -ar 22050"
  row "$l" "$f" AAC Superb aac "-acodec aac -vn -ab 224 -vol 200 -ac 2 -ar 48000" "-vn -c:a aac -b:a 224k -af $limiter -ac 2 -ar 48000"
  row "$l" "$f" MP3 Low mp3 "-acodec mp3 -vn -ab 48 -vol 200 -ac 1 -ar 22050" "-vn -c:a libmp3lame -b:a 48k -af $limiter -ac 1 -ar 22050"
  row "$l" "$f" MP3 Superb mp3 "-acodec mp3 -vn -ab 224 -vol 200 -ac 2 -ar 48000" "-vn -c:a libmp3lame -b:a 224k -af $limiter -ac 2 -ar 48000"
}

# The H.264 and H.265 types at Normal on the 1080p source, as the program writes the job (the
# cut is the whole clip), against ffmpeg with the same encoder settings: the codec's default
# preset, profile, level, average bitrate with its VBV cap, 854x480 shown as 16:9, the
# source's rate capped at 30, AAC 128 kbit/s stereo 44100 Hz through the limiter, index in front.
today_types() { # today_types LABEL FILE
  local l=$1 f=$2
  local ours_a="-ab 128 -vol 200 -ac 2 -ar 44100 -ss 00:00:00 -t 30"
  local theirs_v="-vf scale=854:480:flags=bicubic -aspect 16:9 -fpsmax 30"
  local theirs_a="-c:a aac -b:a 128k -af $limiter -ac 2 -ar 44100 -movflags +faststart -t 30"
  row "$l" "$f" "H.264 MP4" Normal mp4 \
    "-vcodec h264 -acodec aac -movflags faststart -b 1500 -s 854x480 -fpsmax 30 -aspect 16:9 -vprofile high -level 3.1 -maxrate 2250 -bufsize 3000 $ours_a" \
    "-c:v libx264 -b:v 1500k -maxrate 2250k -bufsize 3000k -profile:v high -level 3.1 $theirs_v $theirs_a"
  row "$l" "$f" "H.265 MP4" Normal mp4 \
    "-vcodec hevc -vtag hvc1 -acodec aac -movflags faststart -b 1024 -s 854x480 -fpsmax 30 -aspect 16:9 -vprofile main -level 3.0 -maxrate 1536 -bufsize 2048 $ours_a" \
    "-c:v libx265 -tag:v hvc1 -b:v 1024k -maxrate 1536k -bufsize 2048k -profile:v main -x265-params log-level=error:level-idc=3.0 $theirs_v $theirs_a"
}

echo "tcore: $tcore; $(ffmpeg -version | head -1); $(nproc) cores; median of $runs runs"
header
types avi640 avi640-60s.avi
types h264 h264-30s.mp4
today_types h264 h264-30s.mp4
types audio10 audio10-600s.mp3
echo "~ AMR-NB against ffmpeg's AAC at 8000 Hz mono 12 kbit/s: not like-for-like."
echo
echo "MP4 Superb against the 640x480 source's length (rows len10, len60, len300):"
header
for seconds in 10 60 300; do
  row "len$seconds" "avi640-${seconds}s.avi" MP4 Superb mp4 \
    "-vcodec mpeg4 -acodec aac -b 512 -s 160x120 -r 15 -aspect 4:3 -ab 224 -vol 200 -ac 2 -ar 48000" \
    "-c:v mpeg4 -b:v 512k -r 15 -vf $(fit 160 120) -aspect 4:3 -c:a aac -b:a 224k -af $limiter -ac 2 -ar 48000"
done
