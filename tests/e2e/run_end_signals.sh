#!/usr/bin/env bash
# A session that ends by signal: the program under Xvfb gets SIGTERM in the middle of a
# conversion, and SIGINT and SIGHUP while it rests. Each time it ends as closing its window
# does: exit status 0, settings saved, the encoder stopped, no partial output, its private
# run folder gone.
#
#   run_end_signals.sh <program folder>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
app_src=${1:?program folder}
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
xd_copy_program "$app_src" "$work/app"
app="$work/app"
mkdir -p "$work/in" "$work/out" "$work/run"
chmod 700 "$work/run"
export XDG_RUNTIME_DIR="$work/run"
clip="$work/in/long clip.mp4"
ffmpeg -v error -y -f lavfi -i testsrc=size=320x240:rate=25 -f lavfi -i sine=frequency=440 \
  -t 120 -c:v mpeg4 -q:v 8 -c:a aac "$clip"

failures=0
check() { # description, command...
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what" >&2; failures=$((failures + 1)); fi
}

xd_start_xvfb 1024x768x24

# Starts the program with the clip in its list; prints nothing, sets $program and $main.
start() {
  printf '[USRInfo]\nSHWDDir=0\nSHUTDOWN=0\nOutDir=%s\n' "$work/out" > "$app/Config/UserSettings.ini"
  "$app/clipwright" "$clip" 2>> "$work/stderr" &
  program=$!
  main=$(xd_wait_ready "$program" 120) || { echo "FAILED: no main window" >&2; exit 1; }
  sleep 1
}

# Sends the signal and waits for the program to end; sets $status to its exit status.
end_by() {
  status=0
  kill -"$1" "$program"
  for _ in $(seq 200); do kill -0 "$program" 2> /dev/null || break; sleep 0.1; done
  if kill -0 "$program" 2> /dev/null; then status="still running"; return; fi
  wait "$program" || status=$?
  program=
}

# In the middle of a conversion.
start
: > "$app/Config/UserSettings.ini"
xd_key "$main" ctrl+s
xd_wait_log "$app/log.txt" 'parameter: ' 60 || echo "FAILED: the conversion did not start" >&2
for _ in $(seq 100); do pgrep -f "$app/tcore" > /dev/null && break; sleep 0.1; done
check "the encoder runs" pgrep -f "$app/tcore" > /dev/null
sleep 1
end_by TERM
check "SIGTERM during a batch ends the program with 0 (got $status)" test "$status" = 0
sleep 0.5
no_encoder() { ! pgrep -f "$app/tcore" > /dev/null; }
check "no encoder is left running" no_encoder
check "no output and no partial file is left (found: $(ls -A "$work/out" | tr '\n' ' '))" \
  test -z "$(ls -A "$work/out")"
check "the settings were saved" grep -qF "OutDir=$work/out" "$app/Config/UserSettings.ini"
check "the run folder is gone (found: $(find "$work/run" -mindepth 2 | tr "\n" " "))" \
  test -z "$(find "$work/run" -mindepth 2 -maxdepth 2)"

# At rest.
for signal in INT HUP; do
  start
  : > "$app/Config/UserSettings.ini"
  end_by "$signal"
  check "SIG$signal at rest ends the program with 0 (got $status)" test "$status" = 0
  check "SIG$signal: the settings were saved" grep -qF "OutDir=$work/out" "$app/Config/UserSettings.ini"
done

if [ "$failures" -ne 0 ]; then
  echo "--- program output" >&2; cat "$work/stderr" >&2
  exit 1
fi
echo "all checks passed"
