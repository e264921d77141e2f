#!/usr/bin/env bash
# The README's many-machines pattern on this machine: GNU parallel with the local host as
# its one login (-S 2/: gives two job slots), each clip handed to clipwright-cli as a job of
# its own. Checks every output and the exit status, also when one clip cannot be converted.
#
#   parallel_test.sh <program folder>
set -euo pipefail
app=${1:?program folder}
for tool in parallel ffmpeg ffprobe; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A program folder of the test's own, so its log.txt is the test's.
mkdir -p "$work/program/Config"
cp "$app/clipwright-cli" "$app/tcore" "$app/mcore" "$work/program/"
export PATH="$work/program:$PATH" HOME="$work/home"
mkdir -p "$HOME" "$work/clips"
for i in 1 2 3 4; do
  ffmpeg -v error -y -f lavfi -i "testsrc=size=176x144:rate=15:duration=$((i + 1))" \
    -f lavfi -i "sine=frequency=$((300 * i)):duration=$((i + 1))" -shortest \
    -c:v mpeg4 -c:a aac "$work/clips/clip $i.mp4"
done
cd "$work"

failures=0
check() { # description, command...
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what" >&2; failures=$((failures + 1)); fi
}

run_parallel() {
  parallel --will-cite -S 2/: --transferfile {} --return out/{/.}.3gp --cleanup \
    clipwright-cli -t 3gp -q low -o out {} ::: "$@"
}

status=0
run_parallel clips/*.mp4 > run.log 2> run.err || status=$?
cat run.log
check "parallel ends with 0 when every clip converted" test "$status" -eq 0
for i in 1 2 3 4; do
  f="out/clip $i.3gp"
  streams=$(ffprobe -v error -show_entries stream=codec_name -of default=nw=1:nk=1 "$f" | tr '\n' ' ')
  duration=$(ffprobe -v error -show_entries format=duration -of default=nw=1:nk=1 "$f")
  check "clip $i.3gp has MPEG-4 video and AAC audio" test "$streams" = "mpeg4 aac "
  check "clip $i.3gp lasts the clip's $((i + 1)) seconds" \
    awk -v d="$duration" -v want=$((i + 1)) 'BEGIN { exit !(d > want - 0.3 && d < want + 0.3) }'
  check "clip $i reported once" test "$(grep -c "^ok  .*clip $i.mp4 -> " run.log)" -eq 1
done
check "four jobs logged" test "$(grep -c 'parameter: ' program/log.txt)" -eq 4

# A clip that is no media: its job fails, parallel counts one failed job.
printf 'not a clip' > "clips/broken.mp4"
status=0
run_parallel "clips/broken.mp4" "clips/clip 1.mp4" > run2.log 2> run2.err || status=$?
check "parallel counts the failed job" test "$status" -eq 1
check "the broken clip is named" grep -q "clips/broken.mp4: " run2.err
check "the good clip converts beside the earlier output" test -s "out/clip 1_1.3gp"

[ "$failures" -eq 0 ] && echo "all checks passed"
