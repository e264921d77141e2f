#!/usr/bin/env bash
# Memory benchmark: the resident memory of the idle program after start, after 100 sources
# were dropped on it (50 1080p H.264 phone clips and 50 files of ten other formats), while
# the first one plays in the preview, paused, paused for a while (the player is let go
# after 30 s; libmpv stays loaded), played on, and after the preview was stopped, also a
# while later; with the CPU the program used in each phase. Budget:
# idle under 80 MB, also after adding sources and after a preview; idle CPU under 1 % of a
# core.
#
#   bash bench/memory.sh [build folder] [runs]
#
# Compiles a driver that runs the program's main window as the program does (bench/memory.cpp)
# into a temporary copy of the program folder, makes the sources there and runs it under
# Xvfb runs times (default 3); prints each run and the median of each phase.
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/common.sh
build=${1:-build}
runs=${2:-3}
app_dir=$(realpath "$build/Clipwright")
[ -x "$app_dir/clipwright" ] || { echo "no program in $app_dir; build first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$app_dir" "$work/app"
build_driver "$build" bench/memory.cpp "$work/app/memory_bench"
mkdir "$work/sources"
mapfile -t sources < <(make_sources "$work/sources")

for ((run = 1; run <= runs; run++)); do
  echo "run $run:"
  rm -rf "$work/app/Config" && cp -r "$app_dir/Config" "$work/app/Config"
  xvfb-run -a -s "-screen 0 1280x1024x24" "$work/app/memory_bench" 5 5 "${sources[@]}" \
    2> "$work/err" | tee -a "$work/out" | sed 's/^/  /' ||
    { cat "$work/err" >&2; exit 1; }
done
echo "medians of $runs runs:"
while read -r phase; do
  rss=$(median $(grep -F "$phase " "$work/out" | sed 's/.*RSS *\([0-9.]*\) MB.*/\1/'))
  cpu=$(median $(grep -F "$phase " "$work/out" | sed 's/.*CPU *\([0-9.]*\) %.*/\1/'))
  printf '  %-24s %6s MB resident, CPU %s %% of a core\n' "$phase" "$rss" "$cpu"
done < <(sed -n 's/^\(.*[a-z]\) *RSS .*/\1/p' "$work/out" | awk '!seen[$0]++')
