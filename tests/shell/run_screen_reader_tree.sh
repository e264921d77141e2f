#!/usr/bin/env bash
# The program as a screen reader meets it: the built program folder runs under Xvfb with the
# accessibility bus of a D-Bus session of its own, is used with real keys and clicks, and
# screen_reader_tree.py reads its windows through AT-SPI at each step: the main window, an
# open time editor, the Options dialog and the progress dialog.
#
#   run_screen_reader_tree.sh <program folder>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
app_src=${1:?program folder}
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ "${CLIPWRIGHT_OWN_BUS:-}" != 1 ]; then
  CLIPWRIGHT_OWN_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
# shellcheck source=../e2e/x11_driver.sh
. "$here/../e2e/x11_driver.sh"

work=$(mktemp -d)
program=
bus=
cleanup() {
  [ -n "$program" ] && kill -KILL "$program" 2> /dev/null || true
  [ -n "$bus" ] && kill "$bus" 2> /dev/null || true
  xd_stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAILED: $*" >&2
  xd_server_report >&2
  echo "--- program output" >&2
  cat "$work/stderr" >&2 2> /dev/null || true
  exit 1
}
reader() { /usr/bin/python3 "$here/screen_reader_tree.py" "$@"; }

xd_copy_program "$app_src" "$work/app"
out="$work/out"
mkdir -p "$out"
printf '[USRInfo]\nSHWDDir=0\nSHUTDOWN=0\nOutDir=%s\n' "$out" > "$work/app/Config/UserSettings.ini"
clip="$work/clip.mp4"
# Long enough that the progress dialog stays while it is read.
ffmpeg -v error -y -f lavfi -i testsrc=size=640x480:rate=30 -f lavfi -i sine=frequency=440 \
  -t 120 -c:v mpeg4 -q:v 8 -c:a aac -shortest "$clip"

xd_start_xvfb 1024x768x24
/usr/libexec/at-spi-bus-launcher --launch-immediately > /dev/null 2>&1 &
bus=$!
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$work/app/clipwright" "$clip" \
  2> "$work/stderr" &
program=$!
main=$(xd_wait_ready "$program" 90) || fail "the main window did not get ready"
sleep 1
reader main || fail "the main window"

# The first row is selected: a click on its Start Time cell opens the time editor.
xd_click_control "$main" 312 313 54 25
sleep 1
reader editor || fail "the time editor"
xd_key "$main" Escape

xd_key "$main" ctrl+i
options=$(xd_wait_other_window "$program" "$main" 30) || fail "Options did not open"
reader options || fail "the Options dialog"
xd_key "$options" Escape
xd_wait_gone "$options" 30 || fail "Options did not close"

xd_key "$main" ctrl+s
xd_wait_other_window "$program" "$main" 30 > /dev/null || fail "the progress dialog did not open"
reader progress "$clip" || fail "the progress dialog"
echo "the screen reader's view holds"
