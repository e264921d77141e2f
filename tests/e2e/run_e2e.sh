#!/usr/bin/env bash
# End to end: the built program folder under Xvfb, used as a user uses it. Two generated
# clips (names with blanks, a quote and non-ASCII letters) are dragged onto the main window
# from another program and converted twice, to 3GP (MPEG-4 video, AAC audio) and to MP3,
# with mouse clicks and key presses. Then the outputs are checked with ffprobe, the log for
# one "parameter: " line per job, and the settings file for what closing saved.
#
#   run_e2e.sh <program folder> <drag source program>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
app_src=${1:?program folder}
export XD_DRAG_SOURCE=${2:?drag source program}
[ -x "$app_src/clipwright" ] || { echo "no program in $app_src" >&2; exit 1; }
# shellcheck source=x11_driver.sh
. "$here/x11_driver.sh"

work=$(mktemp -d)
program=
cleanup() {
  [ -n "$program" ] && kill "$program" 2> /dev/null || true
  xd_stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT
xd_copy_program "$app_src" "$work/app"
mkdir -p "$work/in" "$work/out dir"
app="$work/app"
out="$work/out dir"
log="$app/log.txt"

clip1="$work/in/clip one.mp4"
clip2="$work/in/clïp 'zwei'.avi"
ffmpeg -v error -y -f lavfi -i testsrc=size=160x120:rate=15 -f lavfi -i sine=frequency=440:sample_rate=22050 \
  -t 2 -c:v mpeg4 -c:a aac "$clip1"
ffmpeg -v error -y -f lavfi -i testsrc=size=176x144:rate=12 -f lavfi -i sine=frequency=660:sample_rate=22050 \
  -t 2 -c:v mpeg4 -c:a pcm_s16le "$clip2"

# Settings of an earlier run: where the outputs go, and no folder window or power-off.
printf '[USRInfo]\nSHWDDir=0\nSHUTDOWN=0\nOutDir=%s\n' "$out" > "$app/Config/UserSettings.ini"

fail() {
  echo "FAILED: $*" >&2
  xd_server_report >&2
  xd_screen_shot "$work/screen.png" 2> /dev/null && cp "$work/screen.png" "${TMPDIR:-/tmp}/clipwright-e2e-failure.png" &&
    echo "screen saved as ${TMPDIR:-/tmp}/clipwright-e2e-failure.png" >&2
  echo "--- log.txt" >&2; cat "$log" >&2 2> /dev/null || true
  echo "--- program output" >&2; cat "$work/stderr" >&2
  exit 1
}

# A window left beside the main window after a batch is a message nobody expected: it is
# answered with Return, as a user would, and the run fails.
expect_no_message() {
  local other
  if other=$(xd_wait_other_window "$program" "$main" 1); then
    xd_shot "$other" "${TMPDIR:-/tmp}/clipwright-e2e-message.png" || true
    xd_key "$other" Return
    fail "an unexpected message after $1 (saved as ${TMPDIR:-/tmp}/clipwright-e2e-message.png)"
  fi
}

jobs_in_log() {
  local n
  n=$(grep -c 'parameter: ' "$log" 2> /dev/null)
  echo "${n:-0}"
}

# One batch: Convert clicked, the progress dialog waited out.
convert() { # jobs expected in the log after this batch
  local before dialog i
  before=$(jobs_in_log)
  xd_click_control "$main" 555 391 110 40 # btnConvert
  for ((i = 0; i < 300; i++)); do
    [ "$(jobs_in_log)" -gt "$before" ] && break
    sleep 0.2
  done
  [ "$(jobs_in_log)" -gt "$before" ] || fail "no job started"
  if dialog=$(xd_window '^Converting$' 20); then
    xd_wait_gone "$dialog" 200 || fail "the progress dialog stayed open"
  fi
  [ "$(jobs_in_log)" -eq "$1" ] || fail "expected $1 jobs in the log"
  sleep 1
  expect_no_message "a batch"
}

xd_start_xvfb 1024x768x24
"$app/clipwright" 2> "$work/stderr" &
program=$!
main=$(xd_wait_ready "$program" 120) || fail "the main window did not get ready"

# Both clips dragged from another program onto the source list.
xd_drag_files "$main" 346 396 "$clip1" "$clip2" || fail "the drop was not taken"
sleep 1
expect_no_message "the drop"

# The first output type (3GP with MPEG-4 video) is chosen on a fresh start.
convert 2
# The last classic output type, MP3 (three above the end of the list): the list opened with
# a click, End, Up three times and Return pressed.
xd_click_control "$main" 368 133 297 21 # cbbOutputFiletype
sleep 0.5
xdotool key End Up Up Up Return
sleep 0.5
convert 4

status=0
xd_close_program "$main" "$program" 30 || status=$?
program=
[ "$status" -eq 0 ] || fail "the program ended with $status"

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
