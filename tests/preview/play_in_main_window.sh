#!/usr/bin/env bash
# Plays a clip in the real main window under its own Xvfb, as a user does: the clip is
# dragged onto the window from another program, Play is clicked, the window is shot while
# the clip plays, Stop is clicked and the window is shot again.
#
#   play_in_main_window.sh <program folder> <drag source> <clip> <playing.png> <stopped.png>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
app=${1:?program folder}
export XD_DRAG_SOURCE=${2:?drag source}
clip=${3:?clip}
playing=${4:?playing shot}
stopped=${5:?stopped shot}
. "$here/../e2e/x11_driver.sh"

program=
cleanup() {
  [ -n "$program" ] && kill "$program" 2> /dev/null || true
  xd_stop_xvfb
}
trap cleanup EXIT
fail() {
  echo "play_in_main_window: $*" >&2
  xd_server_report >&2
  exit 1
}

xd_start_xvfb 1024x768x24
"$app/clipwright" &
program=$!
main=$(xd_wait_ready "$program" 90) || fail "the main window did not get ready"
xd_drag_files "$main" 346 396 "$clip" || fail "the drop was not taken"
sleep 0.8
xd_click_control "$main" 36 261 25 25 # btnPlay
xd_pointer_away
sleep 2.3
xd_shot "$main" "$playing"
xd_click_control "$main" 99 261 25 25 # btnStop
xd_pointer_away
sleep 1
xd_shot "$main" "$stopped"
xd_close_program "$main" "$program" 30 || fail "the program did not close cleanly"
program=
