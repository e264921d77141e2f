#!/usr/bin/env bash
# A list that survives a kill: three clips are dropped on the program under Xvfb, the second
# is unticked and the first trimmed with real clicks and keys, and the program is killed
# with SIGKILL. The next start asks to restore the list; Y answers Yes, and the rows, ticks,
# trims and selection are back (the restored program keeps the same list file). A normal
# close then removes the file, and the start after it asks nothing.
#
#   run_session_restore.sh <program folder> <drag source>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
app_src=${1:?program folder}
export XD_DRAG_SOURCE=${2:?drag source}
# shellcheck source=x11_driver.sh
. "$here/x11_driver.sh"

work=$(mktemp -d)
program=
cleanup() {
  [ -n "$program" ] && kill -KILL "$program" 2> /dev/null || true
  xd_stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAILED: $*" >&2
  xd_server_report >&2
  exit 1
}
xd_copy_program "$app_src" "$work/app"
app="$work/app"
list="$app/Config/SourceList.txt"
mkdir -p "$work/in"
for i in 1 2 3; do
  ffmpeg -v error -y -f lavfi -i testsrc=size=160x120:rate=15 -f lavfi -i sine=frequency=440 \
    -t 10 -c:v mpeg4 -c:a aac -shortest "$work/in/clip $i.mp4"
done
# Waits until the list file holds the text.
wait_list() {
  local i
  for i in $(seq 100); do
    grep -qF -- "$1" "$list" 2> /dev/null && return 0
    sleep 0.1
  done
  return 1
}

xd_start_xvfb 1024x768x24
"$app/clipwright" &
program=$!
main=$(xd_wait_ready "$program" 90) || fail "no main window"
xd_drag_files "$main" 346 396 "$work/in/clip 1.mp4" "$work/in/clip 2.mp4" "$work/in/clip 3.mp4" \
  || fail "the drop was not taken"
wait_list "end 3" || fail "the list of three was not kept"
xd_click_control "$main" 30 345 22 20 # the second row's tick
wait_list "row 0 0 00:00:00 00:00:10 $work/in/clip%202.mp4" || fail "the untick was not kept"
# The first row is selected: a click on its End Time cell edits it.
xd_click_control "$main" 368 313 54 25
sleep 1
xd_key "$main" ctrl+a
xd_type "$main" "00:00:07"
xd_key "$main" Return
wait_list "row 1 0 00:00:00 00:00:07 $work/in/clip%201.mp4" || fail "the trim was not kept: $(cat "$list")"
cp "$list" "$work/before.txt"

kill -KILL "$program"
wait "$program" 2> /dev/null || true
program=
test -s "$list" || fail "the list file went with the killed program"

"$app/clipwright" &
program=$!
main=$(xd_main_window 90) || fail "no main window after the kill"
# The question box, titled with the program's name, once the splash has gone.
question=$(xd_window '^Clipwright$' 60) || fail "the program did not offer the list back"
left=$(stat -c %i "$list")
xd_key "$question" y
xd_wait_gone "$question" 20 || fail "the question stayed"
# The restored list is written anew (a new file renamed over the old one).
for _ in $(seq 100); do
  [ "$(stat -c %i "$list" 2> /dev/null)" != "$left" ] && cmp -s "$list" "$work/before.txt" && break
  sleep 0.1
done
[ "$(stat -c %i "$list" 2> /dev/null)" != "$left" ] || fail "the restored list was not written"
cmp -s "$list" "$work/before.txt" || fail "the list came back otherwise: $(diff "$work/before.txt" "$list")"
xd_shot "$main" "$work/restored.png"

xd_close_program "$main" "$program" 30 || fail "the program did not close cleanly"
program=
test ! -e "$list" || fail "a normal close left the list file"

"$app/clipwright" &
program=$!
main=$(xd_wait_ready "$program" 90) || fail "no main window after a normal close"
if other=$(xd_wait_other_window "$program" "$main" 3); then
  fail "a question after a normal close"
fi
xd_close_program "$main" "$program" 30 || fail "the program did not close cleanly"
program=
echo "all checks passed"
