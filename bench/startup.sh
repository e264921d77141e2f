#!/usr/bin/env bash
# Start-up benchmark: time from starting the program to a ready main window (option lists
# filled, settings loaded, profile applied), apart from the splash's own two-second wait,
# and the resident memory of the idle program after the start. Budgets: < 300 ms, < 80 MB.
#
#   bash bench/startup.sh [build folder] [runs]
#
# Runs the built program folder under Xvfb a few times on a copy of the program folder
# (so the real Config/ is left alone) and prints the median and worst figures.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-5}
app_dir=$(realpath "$build/Clipwright")
[ -x "$app_dir/clipwright" ] || { echo "no program in $app_dir; build first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$app_dir" "$work/app"
cat > "$work/script.txt" <<'SCRIPT'
report
wait 4000
report
close
SCRIPT

startups=()
memories=()
for ((i = 1; i <= runs; i++)); do
  rm -f "$work/t0" "$work/pid" "$work/err"
  # The wrapper notes the start time and its pid, then becomes the program.
  CLIPWRIGHT_AUTOMATION="$work/script.txt" xvfb-run -a -s "-screen 0 1280x1024x24" \
    sh -c 'date +%s%3N > "$1/t0"; echo $$ > "$1/pid"; exec "$2"' sh "$work" "$work/app/clipwright" \
    2> "$work/err" &
  runner=$!
  # Idle memory: read while the program waits, after the first report.
  for _ in $(seq 1 200); do
    grep -q '^ready_epoch_ms' "$work/err" 2>/dev/null && break
    sleep 0.05
  done
  sleep 3
  pid=$(cat "$work/pid")
  rss_kb=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status" 2>/dev/null || echo 0)
  wait "$runner" || true
  t0=$(cat "$work/t0")
  read -r ready splash inside < <(sed -n 's/^ready_epoch_ms=\([0-9]*\) splash_ms=\([0-9]*\) startup_in_splash_ms=\([0-9]*\)$/\1 \2 \3/p' "$work/err" | head -1)
  if [ -z "${ready:-}" ]; then
    echo "run $i: the program did not report ready" >&2
    cat "$work/err" >&2
    exit 1
  fi
  # Everything but the splash's wait: the time outside the splash plus start-up inside it.
  startup=$((ready - t0 - splash + inside))
  startups+=("$startup")
  memories+=("$((rss_kb / 1024))")
  echo "run $i: start-up ${startup} ms (splash ${splash} ms, of it start-up ${inside} ms), idle RSS $((rss_kb / 1024)) MB"
done

median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
worst() { printf '%s\n' "$@" | sort -n | tail -1; }
echo "start-up to ready main window (without the splash wait): median $(median "${startups[@]}") ms, worst $(worst "${startups[@]}") ms (budget 300 ms)"
echo "idle resident memory: median $(median "${memories[@]}") MB, worst $(worst "${memories[@]}") MB (budget 80 MB)"
