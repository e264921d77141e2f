#!/usr/bin/env bash
# Starts the built program under Xvfb and saves screenshots of the main window (with two
# sources in the list), the Options dialog and the progress dialog during a conversion.
#
#   bash scripts/screenshots.sh [build folder] [output folder]
#
# Works on a copy of the program folder, so the real settings and log are left alone.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
shots=$(realpath -m "${2:-screenshots}")
app_src=$(realpath "$build/Clipwright")
[ -x "$app_src/clipwright" ] || { echo "no program in $app_src; build first" >&2; exit 1; }
mkdir -p "$shots"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$app_src" "$work/app"
rm -f "$work/app/log.txt" "$work/app/Config/"*.ini
mkdir -p "$work/in" "$work/out"
ffmpeg -v error -y -f lavfi -i testsrc=size=320x240:rate=25 -f lavfi -i sine=frequency=440 \
  -t 3 -c:v mpeg4 -c:a aac "$work/in/Holiday at the lake.mp4"
ffmpeg -v error -y -f lavfi -i smptebars=size=320x240:rate=25 -f lavfi -i sine=frequency=660 \
  -t 2 -c:v mpeg4 -c:a aac "$work/in/Birthday party.mp4"
printf '[USRInfo]\nSHWDDir=1\nSHUTDOWN=0\nOutDir=%s\n' "$work/out" > "$work/app/Config/UserSettings.ini"

cat > "$work/script.txt" <<SCRIPT
dismiss-boxes
drop $work/in/Holiday at the lake.mp4
drop $work/in/Birthday party.mp4
wait 800
shot FrmMainForm $shots/main-window.png
click btnOptions
waitfor frmOption shown
wait 300
shot frmOption $shots/options-dialog.png
click btnCancel
waitfor frmOption hidden
later 3800 shot frmConverting $shots/progress-dialog.png
click btnConvert
close
SCRIPT

CLIPWRIGHT_AUTOMATION="$work/script.txt" timeout 120 \
  xvfb-run -a -s "-screen 0 1280x1024x24" "$work/app/clipwright" 2> "$work/stderr" || {
  cat "$work/stderr" >&2
  exit 1
}
if grep -q '^automation:' "$work/stderr"; then
  grep '^automation:' "$work/stderr" >&2
fi
ls -1 "$shots"/*.png
