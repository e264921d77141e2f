#!/usr/bin/env bash
# The installed program as an ordinary user sees it. Installs the build into a temporary
# prefix, checks the layout and the desktop files with their validators, makes the prefix
# read-only, creates a user and runs the installed program under Xvfb as that user:
# started through bin/clipwright with one file, started again with a second file (which
# hands it over and ends), then both files are converted with real key presses. Checks the
# outputs, that the settings and the log are in the user's XDG folders, and that nothing
# was written into the prefix.
#
#   run_install_test.sh <build folder>
# Needs root (to create the user); exits 77 (skipped) otherwise.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:?build folder}
if [ "$(id -u)" -ne 0 ]; then
  echo "skipped: creating a user needs root"
  exit 77
fi
for tool in useradd userdel runuser pgrep Xvfb xdotool xprop ffmpeg ffprobe desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done

# shellcheck source=../e2e/x11_driver.sh
. "$here/../e2e/x11_driver.sh"

work=$(mktemp -d /tmp/clipwright-install.XXXXXX)
user="cwtest$$"
program=
cleanup() {
  # The user exists only for this test: every process it runs was started here.
  local pid
  for pid in $(pgrep -u "$user" 2> /dev/null); do kill -KILL "$pid" 2> /dev/null || true; done
  xd_stop_xvfb
  userdel "$user" 2> /dev/null || true
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
chmod 755 "$work"

failures=0
check() { # description, command...
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what" >&2; failures=$((failures + 1)); fi
}

# ---- install and look at what was installed ----
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
app="$prefix/lib/clipwright"
for f in clipwright clipwright-cli tcore mcore Res.rcc Help.html; do
  check "lib/clipwright/$f installed" test -f "$app/$f"
done
check "no Config folder in the installed program folder" test ! -e "$app/Config"
check "translations installed" test -f "$prefix/share/clipwright/translations/clipwright_de.qm"
check "bin/clipwright is a relative link to the program" \
  test "$(readlink "$prefix/bin/clipwright")" = "../lib/clipwright/clipwright"
desktop="$prefix/share/applications/org.example.clipwright.desktop"
metainfo="$prefix/share/metainfo/org.example.clipwright.metainfo.xml"
check "desktop entry is valid" desktop-file-validate "$desktop"
check "desktop entry starts clipwright with files" grep -qx 'Exec=clipwright %F' "$desktop"
check "metainfo is valid" appstreamcli validate --no-net "$metainfo"
check "scalable icon" test -s "$prefix/share/icons/hicolor/scalable/apps/org.example.clipwright.svg"
for size in 16 22 24 32 48 64 128 256; do
  png="$prefix/share/icons/hicolor/${size}x${size}/apps/org.example.clipwright.png"
  check "${size}px icon" test "$(identify -format '%wx%h' "$png" 2>/dev/null)" = "${size}x${size}"
done
check "bin/clipwright-cli is a relative link to the command-line program" \
  test "$(readlink "$prefix/bin/clipwright-cli")" = "../lib/clipwright/clipwright-cli"
check "man page" test -s "$prefix/share/man/man1/clipwright.1.gz"
check "clipwright-cli man page" test -s "$prefix/share/man/man1/clipwright-cli.1.gz"

chmod -R a-w "$prefix"
find "$prefix" -printf '%p %s %m %T@\n' | sort > "$work/prefix-before"

# ---- an ordinary user, with two clips of its own ----
home="$work/home"
useradd --no-create-home --home-dir "$home" --shell /bin/sh "$user"
mkdir -p "$home/in" "$home/run"
chmod 700 "$home/run"
ffmpeg -v error -y -f lavfi -i testsrc=size=160x120:rate=15 \
  -f lavfi -i sine=frequency=440:sample_rate=22050 -t 2 -c:v mpeg4 -c:a aac "$home/in/first clip.mp4"
ffmpeg -v error -y -f lavfi -i testsrc=size=176x144:rate=12 \
  -f lavfi -i sine=frequency=660:sample_rate=22050 -t 2 -c:v mpeg4 -c:a pcm_s16le "$home/in/second.avi"
chown -R "$user:" "$home"

# ---- the program as the user, on a display of its own ----
xd_start_xvfb 1024x768x24

as_user() { # runs a command as the user, in its folder of clips, with a clean environment
  runuser -u "$user" -- env -i HOME="$home" USER="$user" LOGNAME="$user" DISPLAY="$DISPLAY" \
    XDG_RUNTIME_DIR="$home/run" PATH="$prefix/bin:/usr/bin:/bin" LANG=C.UTF-8 \
    sh -c 'cd "$HOME/in" && exec "$@"' sh "$@"
}
fail() {
  echo "FAILED: $*" >&2
  xd_server_report >&2
  echo "--- program output" >&2
  cat "$work/first.log" >&2
  exit 1
}

# The first start, by command name through bin/, with a relative file name.
as_user clipwright "first clip.mp4" > "$work/first.log" 2>&1 &
starter=$!
for _ in $(seq 300); do
  program=$(pgrep -u "$user" -x clipwright | head -n1 || true)
  [ -n "$program" ] && break
  sleep 0.1
done
[ -n "$program" ] || fail "the program did not start"
main=$(xd_wait_ready "$program" 120) || fail "the main window did not get ready"

# Docks match the window to its launcher by the desktop entry's StartupWMClass.
wm_class=$(xprop -id "$main" WM_CLASS | sed -n 's/.*, "\(.*\)"$/\1/p')
entry_class=$(sed -n 's/^StartupWMClass=//p' "$prefix/share/applications/org.example.clipwright.desktop")
check "the desktop entry's StartupWMClass ($entry_class) is the window's class ($wm_class)" \
  test -n "$wm_class" -a "$wm_class" = "$entry_class"

# The second start hands its file over and ends with 0, while the first goes on.
status=0
timeout 30 runuser -u "$user" -- env -i HOME="$home" DISPLAY="$DISPLAY" \
  XDG_RUNTIME_DIR="$home/run" PATH="$prefix/bin:/usr/bin:/bin" \
  clipwright "$home/in/second.avi" > "$work/second.log" 2>&1 || status=$?
check "the second start ends with 0" test "$status" -eq 0
check "one program runs" test "$(pgrep -u "$user" -x clipwright | wc -l)" -eq 1

# Both files are in the list now; Ctrl+S converts them.
sleep 2
xd_key "$main" ctrl+s
log="$home/.local/state/Clipwright/log.txt"
xd_wait_log "$log" 'parameter: .*second' 120 || fail "the second job did not start"
if dialog=$(xd_window '^Converting$' 20); then
  xd_wait_gone "$dialog" 200 || fail "the progress dialog stayed open"
fi
sleep 1
if other=$(xd_wait_other_window "$program" "$main" 1); then
  xd_key "$other" Return
  fail "an unexpected message after the batch"
fi

xd_click_control "$main" 640 28 25 25 # btnWindowClose
for _ in $(seq 300); do
  kill -0 "$program" 2> /dev/null || break
  sleep 0.1
done
kill -0 "$program" 2> /dev/null && fail "closing did not end the program"
program=
status=0
wait "$starter" || status=$?
check "the program ended with 0" test "$status" -eq 0

out="$home/Clipwright"
probe() { ffprobe -v error -show_entries "$2" -of default=nw=1:nk=1 "$1" 2>/dev/null | tr '\n' ' '; }
for base in "first clip" second; do
  f="$out/$base.3gp"
  check "$base.3gp converted" test -s "$f"
  check "$base.3gp is 3GP with MPEG-4 video and AAC audio" \
    test "$(probe "$f" format=format_name)" = "mov,mp4,m4a,3gp,3g2,mj2 " -a \
    "$(probe "$f" stream=codec_name)" = "mpeg4 aac "
  check "$base.3gp belongs to the user" test "$(stat -c %U "$f")" = "$user"
done
settings="$home/.config/Clipwright/UserSettings.ini"
log="$home/.local/state/Clipwright/log.txt"
check "settings saved in ~/.config/Clipwright" grep -q "^OutDir=$out" "$settings"
check "log in ~/.local/state/Clipwright, one line per job" test "$(grep -c 'parameter: ' "$log")" -eq 2
check "the settings and state folders are private" \
  test "$(stat -c %a "$home/.config/Clipwright")$(stat -c %a "$home/.local/state/Clipwright")" = 700700

# clipwright-cli as the same user without a display: the window's saved output folder and
# log, the settings only read.
cp "$settings" "$work/settings-before"
status=0
runuser -u "$user" -- env -i HOME="$home" XDG_RUNTIME_DIR="$home/run" \
  PATH="$prefix/bin:/usr/bin:/bin" LANG=C.UTF-8 \
  clipwright-cli --json -t mp3 "$home/in/second.avi" > "$work/cli.log" 2>&1 || status=$?
check "clipwright-cli converts without a display" test "$status" -eq 0
# second.3gp holds the name second: the output is second_1.mp3, as the window names it.
check "clipwright-cli reports the output" \
  grep -q "\"output\":\"$out/second_1.mp3\"" "$work/cli.log"
check "second_1.mp3 is MP3" test "$(probe "$out/second_1.mp3" stream=codec_name)" = "mp3 "
check "clipwright-cli logs to the same log" test "$(grep -c 'parameter: ' "$log")" -eq 3
check "clipwright-cli leaves the settings as they were" cmp -s "$settings" "$work/settings-before"
find "$prefix" -printf '%p %s %m %T@\n' | sort > "$work/prefix-after"
check "nothing written into the prefix" cmp -s "$work/prefix-before" "$work/prefix-after"
check "no error on the program's output" test ! -s "$work/second.log"
if [ "$failures" -ne 0 ]; then
  echo "--- first start's output:" >&2
  cat "$work/first.log" >&2
  exit 1
fi
echo "all checks passed"
