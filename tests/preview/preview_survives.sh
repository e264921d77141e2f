#!/usr/bin/env bash
# The three ways the preview once ended the program, run in the real main window under its
# own Xvfb with real input:
#  1. a portrait phone clip (a quarter turn in its display matrix) is dropped and played:
#     portrait.png is shot while it plays;
#  2. the preview is stopped and left until its player is released, then another file is
#     dropped: the program must still run;
#  3. the program runs with libmpv hidden (a mount namespace, where the system allows one),
#     a clip is dropped and Play clicked: nompv.png is shot, and the program must run on.
# Each program is closed with its close button and must end cleanly.
#
#   preview_survives.sh <program folder> <drag source> <portrait clip> <other clip> <out folder>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
app=${1:?program folder}
export XD_DRAG_SOURCE=${2:?drag source}
portrait=${3:?portrait clip}
other=${4:?other clip}
out=${5:?out folder}
. "$here/../e2e/x11_driver.sh"

program=
cleanup() {
  [ -n "$program" ] && kill "$program" 2> /dev/null || true
  xd_stop_xvfb
}
trap cleanup EXIT
fail() {
  echo "preview_survives: $*" >&2
  xd_server_report >&2
  exit 1
}
alive() {
  kill -0 "$program" 2> /dev/null || fail "the program died: $1"
}

xd_start_xvfb 1024x768x24
"$app/clipwright" &
program=$!
main=$(xd_wait_ready "$program" 90) || fail "the main window did not get ready"
xd_drag_files "$main" 346 396 "$portrait" || fail "the drop was not taken"
sleep 0.8
xd_click_control "$main" 36 261 25 25 # btnPlay
xd_pointer_away
sleep 2
alive "playing a portrait clip"
xd_shot "$main" "$out/portrait.png"
xd_click_control "$main" 99 261 25 25 # btnStop
xd_pointer_away
# The player is released after 30 s at rest.
sleep 33
xd_drag_files "$main" 346 396 "$other" || fail "the drop after the rest was not taken"
sleep 2
alive "adding a file after the preview rested"
xd_close_program "$main" "$program" 30 || fail "the program did not close cleanly"
program=

library=$(ldconfig -p | sed -n 's/^[[:space:]]*libmpv\.so\.2 .*=> //p' | head -n 1)
if [ -z "$library" ] || ! unshare -m true 2> /dev/null; then
  echo "preview_survives: no mount namespace here; the run without libmpv is left out" >&2
  exit 0
fi
library=$(readlink -f "$library")
unshare -m sh -c 'mount --bind /dev/null "$1" && exec "$2/clipwright"' sh "$library" "$app" &
program=$!
main=$(xd_wait_ready "$program" 90) || fail "the main window did not get ready without libmpv"
xd_drag_files "$main" 346 396 "$other" || fail "the drop without libmpv was not taken"
sleep 0.8
xd_click_control "$main" 36 261 25 25 # btnPlay
xd_pointer_away
sleep 1.5
alive "playing without libmpv"
xd_shot "$main" "$out/nompv.png"
xd_close_program "$main" "$program" 30 || fail "the program without libmpv did not close cleanly"
program=
