# Drives Clipwright's windows from outside, as a user does: real pointer and key events
# (XTEST, through xdotool) on an X server, results read from files, the log and
# screenshots. Source this file from bash; the end-to-end test, the preview's main-window
# test, the screenshot script and the start-up benchmark share it.
#
# Needs xdotool, Xvfb and ImageMagick's import. Every wait takes a time-out in seconds and
# returns non-zero when it runs out, so a caller never hangs; time-outs are generous
# because the machine may be loaded.
#
#   xd_copy_program FOLDER COPY      copies a program folder without its log and settings
#   xd_start_xvfb [WxHxD]           starts Xvfb on a free display and exports DISPLAY
#   xd_stop_xvfb                     ends that Xvfb
#   xd_server_report                 prints whether that Xvfb runs, and its messages
#   xd_window NAME_REGEX [secs]      prints the id of a visible top-level window whose name
#                                    matches (Qt's 1x1 helper windows are left out)
#   xd_main_window [secs]            the main window, the visible "Clipwright 1.0"
#   xd_windows_of PID                ids of the visible windows of a program
#   xd_wait_ready PID [secs]         waits until the main window is up and the splash gone;
#                                    prints the main window's id
#   xd_wait_other_window PID WIN [secs]  waits for a visible window of PID other than WIN
#                                    (a dialog or message box) and prints its id
#   xd_wait_gone WIN [secs]          waits until the window is no longer shown
#   xd_geometry WIN                  prints "X Y WIDTH HEIGHT" of the window on the screen
#   xd_focus WIN                     gives the window the keyboard focus
#   xd_click WIN X Y [button]        clicks at X, Y inside the window
#   xd_click_control WIN X Y W H [DESIGN_WIDTH]
#                                    clicks the middle of a control at that place of the
#                                    window's layout table (design pixels; the window's
#                                    design width, the main window's by default, gives the
#                                    scale the window is drawn at)
#   xd_pointer_away                  moves the pointer to the screen's corner
#   xd_key WIN KEY...                focuses the window, then presses the keys ("ctrl+s")
#   xd_type WIN TEXT                 focuses the window, then types the text
#   xd_drag_files WIN X Y FILE...    drags the files from a drag-source program onto X, Y
#                                    of the window; needs XD_DRAG_SOURCE (its path)
#   xd_close_program WIN PID [secs]  clicks the main window's close button and waits for the
#                                    program (started by this shell) to end; returns its
#                                    exit status
#   xd_wait_file PATH [secs]         waits until the file exists and is not empty
#   xd_wait_log FILE REGEX [secs]    waits until a line of FILE matches the extended regex
#   xd_shot WIN FILE                 saves what the screen shows where the window is
#   xd_screen_shot FILE              saves the whole screen

XD_MAIN_TITLE='Clipwright 1.0'
# The main window's width in design pixels (the layout table's).
XD_MAIN_WIDTH=692

xd_copy_program() {
  cp -r "$1" "$2"
  rm -f "$2/log.txt" "$2/Config/"*.ini
}

xd_start_xvfb() {
  local screen=${1:-1024x768x24} attempt
  XD_XVFB_LOG=${XD_XVFB_LOG:-$(mktemp)}
  # A server that reported its display but does not take a client (or dies at once) is
  # replaced: the tests are about the program, not about the server's start.
  for attempt in 1 2 3; do
    xd_start_one_xvfb "$screen" && return 0
    echo "x11_driver: Xvfb on ${DISPLAY:-no display} did not take clients (attempt $attempt)" >&2
    xd_server_report >&2
    xd_end_server
  done
  return 1
}

xd_start_one_xvfb() {
  local screen=$1 fdfile i
  fdfile=$(mktemp)
  # -noreset: by default the server resets when its last client goes (a program the test
  # killed, or the check below), and a program starting during that reset could not
  # connect ("could not connect to display").
  Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3> "$fdfile" 2>> "$XD_XVFB_LOG" &
  XD_XVFB_PID=$!
  for ((i = 0; i < 200; i++)); do
    [ -s "$fdfile" ] && break
    sleep 0.05
  done
  if [ ! -s "$fdfile" ]; then
    rm -f "$fdfile"
    return 1
  fi
  export DISPLAY=":$(head -n1 "$fdfile")"
  rm -f "$fdfile"
  for ((i = 0; i < 100; i++)); do
    xprop -root -len 0 > /dev/null 2>&1 && return 0
    kill -0 "$XD_XVFB_PID" 2> /dev/null || return 1
    sleep 0.1
  done
  return 1
}

# What the X server says of itself, for a test's failure report.
xd_server_report() {
  if [ -n "${XD_XVFB_PID:-}" ] && kill -0 "$XD_XVFB_PID" 2> /dev/null; then
    echo "--- Xvfb $XD_XVFB_PID on $DISPLAY is running"
  else
    echo "--- Xvfb on ${DISPLAY:-no display} is not running"
  fi
  ls -la /tmp/.X11-unix 2> /dev/null || true
  [ -s "${XD_XVFB_LOG:-}" ] && { echo "--- Xvfb's messages"; tail -n 20 "$XD_XVFB_LOG"; }
  return 0
}

xd_stop_xvfb() {
  xd_end_server
  [ -n "${XD_XVFB_LOG:-}" ] && rm -f "$XD_XVFB_LOG"
  XD_XVFB_LOG=
}

xd_end_server() {
  if [ -n "${XD_XVFB_PID:-}" ]; then
    kill "$XD_XVFB_PID" 2> /dev/null || true
    wait "$XD_XVFB_PID" 2> /dev/null || true
    XD_XVFB_PID=
  fi
}

xd_geometry() {
  local WINDOW X Y WIDTH HEIGHT SCREEN
  eval "$(xdotool getwindowgeometry --shell "$1" 2> /dev/null)" || return 1
  [ -n "${WIDTH:-}" ] || return 1
  echo "$X $Y $WIDTH $HEIGHT"
}

# Visible windows out of a list of ids, larger than Qt's 1x1 helper windows.
xd__real_windows() {
  local id x y w h
  for id in "$@"; do
    read -r x y w h < <(xd_geometry "$id") || continue
    [ "${w:-0}" -gt 1 ] && [ "${h:-0}" -gt 1 ] && echo "$id"
  done
}

xd_window() {
  local regex=$1 secs=${2:-60} deadline id
  deadline=$((SECONDS + secs))
  while :; do
    # shellcheck disable=SC2046
    id=$(xd__real_windows $(xdotool search --onlyvisible --name "$regex" 2> /dev/null) | head -n1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.1
  done
}

xd_main_window() {
  xd_window "^${XD_MAIN_TITLE//./\\.}\$" "${1:-60}"
}

xd_windows_of() {
  # shellcheck disable=SC2046
  xd__real_windows $(xdotool search --onlyvisible --pid "$1" 2> /dev/null)
}

xd_wait_ready() {
  local pid=$1 secs=${2:-60} deadline main windows
  deadline=$((SECONDS + secs))
  main=$(xd_main_window "$secs") || return 1
  while :; do
    windows=$(xd_windows_of "$pid")
    # Only the main window left: the splash has closed and the start-up has run.
    [ "$windows" = "$main" ] && { echo "$main"; return 0; }
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.1
  done
}

xd_wait_other_window() {
  local pid=$1 main=$2 secs=${3:-60} deadline id
  deadline=$((SECONDS + secs))
  while :; do
    for id in $(xd_windows_of "$pid"); do
      [ "$id" != "$main" ] && { echo "$id"; return 0; }
    done
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.1
  done
}

xd_wait_gone() {
  local win=$1 secs=${2:-60} deadline
  deadline=$((SECONDS + secs))
  while xwininfo -id "$win" 2> /dev/null | grep -q 'IsViewable'; do
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.1
  done
}

xd_focus() {
  timeout 10 xdotool windowfocus --sync "$1" 2> /dev/null || xdotool windowfocus "$1"
}

xd_click() {
  local win=$1 x=$2 y=$3 button=${4:-1}
  xdotool mousemove --window "$win" "$x" "$y"
  # A short rest over the control, as a hand makes: hover faces and tool tips follow.
  sleep 0.15
  xdotool click "$button"
}

xd_click_control() {
  local win=$1 cx=$2 cy=$3 cw=$4 ch=$5 design=${6:-$XD_MAIN_WIDTH} wx wy ww wh
  read -r wx wy ww wh < <(xd_geometry "$win") || return 1
  # The window may be drawn at a scale (QT_SCALE_FACTOR); the layout is in design pixels.
  xd_click "$win" $(((cx + cw / 2) * ww / design)) $(((cy + ch / 2) * ww / design))
}

xd_pointer_away() {
  xdotool mousemove 0 0
  sleep 0.2
}

xd_key() {
  local win=$1
  shift
  xd_focus "$win"
  xdotool key --clearmodifiers --delay 80 "$@"
}

xd_type() {
  xd_focus "$1"
  xdotool type --delay 40 "$2"
}

xd_drag_files() {
  local win=$1 x=$2 y=$3 source_pid source_win wx wy ww wh i status=0
  shift 3
  [ -x "${XD_DRAG_SOURCE:-}" ] || { echo "x11_driver: XD_DRAG_SOURCE is not set" >&2; return 1; }
  "$XD_DRAG_SOURCE" 0 0 "$@" &
  source_pid=$!
  source_win=$(xd_window '^Drag source$' 60) || { kill "$source_pid"; return 1; }
  read -r wx wy ww wh < <(xd_geometry "$win") || return 1
  xdotool mousemove --window "$source_win" 60 30
  sleep 0.2
  xdotool mousedown 1
  sleep 0.3
  # Across to the target in steps, so both programs see the drag move.
  for i in 1 2 3 4 5 6 7 8; do
    xdotool mousemove $((60 + (wx + x - 60) * i / 8)) $((30 + (wy + y - 30) * i / 8))
    sleep 0.1
  done
  sleep 0.4
  xdotool mouseup 1
  for ((i = 0; i < 300; i++)); do
    kill -0 "$source_pid" 2> /dev/null || break
    sleep 0.1
  done
  if kill -0 "$source_pid" 2> /dev/null; then
    kill "$source_pid"
    echo "x11_driver: the drag did not end" >&2
    return 1
  fi
  wait "$source_pid" || status=$?
  return "$status"
}

xd_close_program() {
  local win=$1 pid=$2 secs=${3:-30} deadline status=0
  xd_click_control "$win" 640 28 25 25 # btnWindowClose
  deadline=$((SECONDS + secs))
  while kill -0 "$pid" 2> /dev/null; do
    if [ "$SECONDS" -ge "$deadline" ]; then
      kill "$pid" 2> /dev/null
      echo "x11_driver: the program did not close" >&2
      return 1
    fi
    sleep 0.1
  done
  wait "$pid" 2> /dev/null || status=$?
  return "$status"
}

xd_wait_file() {
  local path=$1 secs=${2:-60} deadline
  deadline=$((SECONDS + secs))
  until [ -s "$path" ]; do
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.2
  done
}

xd_wait_log() {
  local file=$1 regex=$2 secs=${3:-60} deadline
  deadline=$((SECONDS + secs))
  until grep -Eq -- "$regex" "$file" 2> /dev/null; do
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.2
  done
}

xd_shot() {
  local win=$1 file=$2 x y w h
  read -r x y w h < <(xd_geometry "$win") || return 1
  # The screen's pixels where the window is, so a shaped window shows as it appears.
  import -silent -window root -crop "${w}x${h}+${x}+${y}" +repage "$file"
}

xd_screen_shot() {
  import -silent -window root "$1"
}
