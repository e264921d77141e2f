#!/usr/bin/env bash
# End to end: the built program folder under Xvfb. Two generated clips (names with blanks,
# a quote and non-ASCII letters) are dropped on the main window and converted twice, to
# 3GP (MPEG-4 video, AAC audio) and to MP3, through the window's own controls. Then the
# outputs are checked with ffprobe, the log for one "parameter: " line per job, and the
# settings file for what closing saved.
#
#   run_e2e.sh <program folder>
set -euo pipefail
app_src=${1:?program folder}
[ -x "$app_src/clipwright" ] || { echo "no program in $app_src" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$app_src" "$work/app"
rm -f "$work/app/log.txt" "$work/app/Config/"*.ini
mkdir -p "$work/in" "$work/out dir"
app="$work/app"
out="$work/out dir"

clip1="$work/in/clip one.mp4"
clip2="$work/in/clïp 'zwei'.avi"
ffmpeg -v error -y -f lavfi -i testsrc=size=160x120:rate=15 -f lavfi -i sine=frequency=440:sample_rate=22050 \
  -t 2 -c:v mpeg4 -c:a aac "$clip1"
ffmpeg -v error -y -f lavfi -i testsrc=size=176x144:rate=12 -f lavfi -i sine=frequency=660:sample_rate=22050 \
  -t 2 -c:v mpeg4 -c:a pcm_s16le "$clip2"

# Settings of an earlier run: where the outputs go, and no folder window or power-off.
printf '[USRInfo]\nSHWDDir=0\nSHUTDOWN=0\nOutDir=%s\n' "$out" > "$app/Config/UserSettings.ini"

cat > "$work/script.txt" <<SCRIPT
dismiss-boxes
drop $clip1
drop $clip2
wait 300
select cbbOutputFiletype 0
click btnConvert
waitfor frmConverting hidden
select cbbOutputFiletype 7
click btnConvert
waitfor frmConverting hidden
close
SCRIPT

status=0
CLIPWRIGHT_AUTOMATION="$work/script.txt" timeout 240 \
  xvfb-run -a -s "-screen 0 1024x768x24" "$app/clipwright" 2> "$work/stderr" || status=$?
if [ "$status" -ne 0 ]; then
  echo "the program ended with $status" >&2
  cat "$work/stderr" >&2
  exit 1
fi
if grep -q '^automation:' "$work/stderr"; then
  echo "unexpected messages or automation failures:" >&2
  grep '^automation:' "$work/stderr" >&2
  exit 1
fi

failures=0
check() { # description, command...
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what" >&2; failures=$((failures + 1)); fi
}
probe() { ffprobe -v error -show_entries "$2" -of default=nw=1:nk=1 "$1" 2>/dev/null | tr '\n' ' '; }
has() { [[ "$(probe "$1" "$2")" == *"$3"* ]]; }

for base in "clip one" "clïp 'zwei'"; do
  f3="$out/$base.3gp"
  # Output names are unique by base name: the second batch adds "_1".
  f7="$out/${base}_1.mp3"
  check "$base.3gp exists" test -s "$f3"
  check "$base.3gp is 3GP" has "$f3" format=format_name 3gp
  check "$base.3gp has MPEG-4 video" has "$f3" stream=codec_name mpeg4
  check "$base.3gp has AAC audio" has "$f3" stream=codec_name aac
  check "$base.3gp lasts about 2 s" \
    awk -v d="$(probe "$f3" format=duration)" 'BEGIN { exit !(d > 1.5 && d < 2.6) }'
  check "${base}_1.mp3 exists" test -s "$f7"
  check "${base}_1.mp3 is MP3 audio only" test "$(probe "$f7" stream=codec_name)" = "mp3 "
done

log="$app/log.txt"
check "log.txt written" test -s "$log"
check "four parameter lines" test "$(grep -c 'parameter: ' "$log" || true)" -eq 4
check "3GP command lines name the encoder and the 3GP format" \
  test "$(grep 'parameter: ' "$log" | grep -c -- '-f 3gp')" -eq 2
check "MP3 command lines leave the video out" \
  test "$(grep 'parameter: ' "$log" | grep -c -- '-acodec mp3 -vn')" -eq 2
check "closing saved the output folder" grep -qF "OutDir=$out" "$app/Config/UserSettings.ini"

if [ "$failures" -ne 0 ]; then
  echo "--- log.txt" >&2; cat "$log" >&2 || true
  echo "--- program output" >&2; cat "$work/stderr" >&2
  ls -la "$out" >&2
  exit 1
fi
echo "end-to-end run passed"
