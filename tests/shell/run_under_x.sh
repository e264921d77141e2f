#!/usr/bin/env bash
# Runs a test program on a fresh Xvfb display, with Openbox as the window manager when the
# first argument is "openbox" and without any window manager when it is "none".
#
#   run_under_x.sh openbox|none <test program> [arguments...]
set -euo pipefail
wm=${1:?openbox or none}
shift
if [ "$#" -eq 0 ]; then
  echo "no test program" >&2
  exit 2
fi
if [ "${CLIPWRIGHT_ON_XVFB:-}" != 1 ]; then
  CLIPWRIGHT_ON_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$0" "$wm" "$@"
fi
wm_pid=
if [ "$wm" = openbox ]; then
  openbox --sm-disable >/dev/null 2>&1 &
  wm_pid=$!
  # Openbox names itself on the root window when it starts; a window mapped while it is
  # still settling in can be adopted with a wrong position, which no user meets.
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
  done
  sleep 1
fi
status=0
QT_QPA_PLATFORM=xcb CLIPWRIGHT_WINDOW_MANAGER=$wm "$@" || status=$?
if [ -n "$wm_pid" ]; then
  kill "$wm_pid" 2>/dev/null || true
  wait "$wm_pid" 2>/dev/null || true
fi
exit "$status"
