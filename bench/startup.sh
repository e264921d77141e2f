#!/usr/bin/env bash
# Start-up benchmark: time from starting the program to a ready main window (option lists
# filled, settings loaded, profile applied, the window taking input), apart from the
# splash's own time on screen, and the resident memory of the idle program after the
# start. Budgets: < 300 ms, < 80 MB.
#
#   bash bench/startup.sh [build folder] [runs]
#
# Runs a copy of the built program folder (so the real Config/ is left alone) on its own
# Xvfb a few times and watches it from outside with bench/startup_probe.cpp: when the main
# window appears, when the splash comes and goes, and when the main window first answers a
# drag moved over it. The program is then closed with a click on its close button. Prints
# each run, the median and the worst.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-5}
app_dir=$(realpath "$build/Clipwright")
[ -x "$app_dir/clipwright" ] || { echo "no program in $app_dir; build first" >&2; exit 1; }
. tests/e2e/x11_driver.sh

work=$(mktemp -d)
trap 'xd_stop_xvfb; rm -rf "$work"' EXIT
cp -r "$app_dir" "$work/app"
g++ -std=c++20 -O2 bench/startup_probe.cpp -lX11 -o "$work/startup_probe"
xd_start_xvfb 1280x1024x24

startups=()
memories=()
for ((i = 1; i <= runs; i++)); do
  # The program outlives the probe: its output goes to a file, not to a pipe.
  ready=
  "$work/startup_probe" "$work/app/clipwright" > "$work/out" 2> "$work/err" || true
  read -r pid main splash_shown splash_gone ready < <(
    sed -n 's/^pid=\([0-9]*\) main_ms=\([0-9-]*\) splash_shown_ms=\([0-9-]*\) splash_gone_ms=\([0-9-]*\) ready_ms=\([0-9]*\)$/\1 \2 \3 \4 \5/p' "$work/out")
  if [ -z "${ready:-}" ]; then
    echo "run $i: the program did not get ready" >&2
    cat "$work/err" >&2
    exit 1
  fi
  # Idle memory: read while the ready program waits.
  sleep 3
  rss_kb=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status" 2> /dev/null || echo 0)
  # The probe started the program, so this shell waits for it by polling.
  window=$(xd_main_window 10)
  xd_click_control "$window" 640 28 25 25 # btnWindowClose
  for _ in $(seq 1 100); do
    kill -0 "$pid" 2> /dev/null || break
    sleep 0.1
  done
  kill "$pid" 2> /dev/null && echo "run $i: the program did not close; ended it" >&2
  splash=$((splash_gone - splash_shown))
  startup=$((ready - splash))
  startups+=("$startup")
  memories+=("$((rss_kb / 1024))")
  echo "run $i: start-up ${startup} ms (main window shown at ${main} ms, splash ${splash} ms, ready $((ready - splash_gone)) ms after the splash), idle RSS $((rss_kb / 1024)) MB"
done

median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
worst() { printf '%s\n' "$@" | sort -n | tail -1; }
echo "start-up to ready main window (without the splash): median $(median "${startups[@]}") ms, worst $(worst "${startups[@]}") ms (budget 300 ms)"
echo "idle resident memory: median $(median "${memories[@]}") MB, worst $(worst "${memories[@]}") MB (budget 80 MB)"
