#!/usr/bin/env bash
# Starts the built program under Xvfb and saves screenshots of the main window (with two
# sources in the list), the Options dialog and the progress dialog during a conversion.
# The program is used as a user uses it: the clips are dragged onto it from another
# program, the buttons are clicked (tests/e2e/x11_driver.sh).
#
#   bash scripts/screenshots.sh [build folder] [output folder] [language]
#
# language (es, pt_BR, zh_CN, ru, fr, de; default: English) starts the program under that
# locale (LANG=<language>.UTF-8) and adds "-<language>" to the pictures' names.
#
# QT_SCALE_FACTOR (e.g. 1.5 or 2) shows the windows at that scale, on a screen that is
# larger by as much. Works on a copy of the program folder, so the real settings and log
# are left alone.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
shots=$(realpath -m "${2:-screenshots}")
language=${3:-}
case "$language" in
  "" | es | pt_BR | zh_CN | ru | fr | de) ;;
  *) echo "screenshots: no translation for \"$language\"" >&2; exit 2 ;;
esac
suffix=${language:+-$language}
# The program gets the language; xdotool reads the windows' titles in a UTF-8 locale.
program_env=(env -u LC_MESSAGES)
[ -n "$language" ] && program_env+=(-u LC_ALL "LANG=$language.UTF-8" "LANGUAGE=$language")
export LC_ALL=C.UTF-8
app_src=$(realpath "$build/Clipwright")
[ -x "$app_src/clipwright" ] || { echo "no program in $app_src; build first" >&2; exit 1; }
[ -x "$build/tests/clipwright_drag_source" ] || cmake --build "$build" --target clipwright_drag_source
export XD_DRAG_SOURCE
XD_DRAG_SOURCE=$(realpath "$build/tests/clipwright_drag_source")
. tests/e2e/x11_driver.sh
mkdir -p "$shots"

work=$(mktemp -d)
program=
cleanup() {
  [ -n "$program" ] && kill "$program" 2> /dev/null || true
  xd_stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT
xd_copy_program "$app_src" "$work/app"
mkdir -p "$work/in" "$work/out"
ffmpeg -v error -y -f lavfi -i testsrc=size=640x480:rate=25 -f lavfi -i sine=frequency=440 \
  -t 60 -c:v mpeg4 -c:a aac "$work/in/Holiday at the lake.mp4"
ffmpeg -v error -y -f lavfi -i smptebars=size=640x480:rate=25 -f lavfi -i sine=frequency=660 \
  -t 45 -c:v mpeg4 -c:a aac "$work/in/Birthday party.mp4"
# Long enough clips that the progress dialog is shot while both convert; the output folder
# does not open at the end, so no file manager is needed.
printf '[USRInfo]\nSHWDDir=0\nSHUTDOWN=0\nOutDir=%s\n' "$work/out" > "$work/app/Config/UserSettings.ini"

# The program's first shown window other than the main window (a dialog): found by the
# program's process, as xdotool cannot match every language's titles.
dialog_window() {
  local secs=$1 deadline=$((SECONDS + $1)) id
  while :; do
    # shellcheck disable=SC2046
    for id in $(xd__real_windows $(xdotool search --onlyvisible --pid "$program" 2> /dev/null)); do
      [ "$id" != "$main" ] && { echo "$id"; return 0; }
    done
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.1
  done
}

fail() {
  echo "screenshots: $*" >&2
  cat "$work/stderr" >&2 || true
  exit 1
}

scale=${QT_SCALE_FACTOR:-1}
screen=$(awk -v s="$scale" 'BEGIN { printf "%dx%dx24", 1280 * s, 1024 * s }')
xd_start_xvfb "$screen"
"${program_env[@]}" "$work/app/clipwright" 2> "$work/stderr" &
program=$!
main=$(xd_wait_ready "$program" 120) || fail "the main window did not get ready"

# Onto the source list, at its place in the window's design (346, 396) at the window's scale.
read -r _ _ width _ < <(xd_geometry "$main")
xd_drag_files "$main" $((346 * width / XD_MAIN_WIDTH)) $((396 * width / XD_MAIN_WIDTH)) \
  "$work/in/Holiday at the lake.mp4" "$work/in/Birthday party.mp4" || fail "the drop was not taken"
xd_pointer_away
sleep 0.8
xd_shot "$main" "$shots/main-window$suffix.png"

xd_click_control "$main" 595 160 70 20 # btnOptions
options=$(dialog_window 30) || fail "no Options dialog"
xd_pointer_away
sleep 0.3
xd_shot "$options" "$shots/options-dialog$suffix.png"
xd_click_control "$options" 384 204 73 25 468 # btnCancel
xd_wait_gone "$options" 30 || fail "the Options dialog stayed open"

xd_click_control "$main" 555 391 110 40 # btnConvert
converting=$(dialog_window 30) || fail "no progress dialog"
xd_pointer_away
sleep 1
xd_shot "$converting" "$shots/progress-dialog$suffix.png"
xd_wait_gone "$converting" 120 || fail "the progress dialog stayed open"

sleep 1
xd_close_program "$main" "$program" 30 || true
program=
ls -1 "$shots"/*.png
