#!/usr/bin/env bash
# Builds tcore, mcore and the encoder tests with a sanitizer and runs the encoder tests.
#   bash scripts/sanitize-encoder.sh [thread | address,undefined] [ctest options...]
# thread (the default) checks the hand-over between the reading thread and the streams'
# threads; address,undefined checks memory use. The build goes to build-<sanitizer>/; a test
# fails when a sanitizer reports, and the reports are kept in build-<sanitizer>/reports/.
# FFmpeg's own libraries are not instrumented: what they do inside is taken on trust
# (tests/encoder/tsan-suppressions.txt says why).
set -euo pipefail
cd "$(dirname "$0")/.."
sanitizer=${1:-thread}
shift || true
dir="build-${sanitizer//,/-}"
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD} CCACHE_NOHASHDIR=1
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCLIPWRIGHT_SANITIZE="$sanitizer" \
  "${launcher[@]}" >/dev/null
# Each test's executable has the test's name.
mapfile -t tests < <(ctest --test-dir "$dir" -N -L encoder | sed -n 's/^ *Test *#[0-9]*: //p')
cmake --build "$dir" -j"$(nproc)" --target tcore mcore "${tests[@]}"
reports="$PWD/$dir/reports"
rm -rf "$reports" && mkdir -p "$reports"
# A report ends the process with exit code 66, which fails the test that ran it.
export TSAN_OPTIONS="log_path=$reports/tsan exitcode=66 second_deadlock_stack=1 suppressions=$PWD/tests/encoder/tsan-suppressions.txt ${TSAN_OPTIONS:-}"
# verify_asan_link_order=0: some tests preload a shim ahead of the sanitizer runtime.
export ASAN_OPTIONS="log_path=$reports/asan detect_leaks=1 verify_asan_link_order=0 ${ASAN_OPTIONS:-}"
export UBSAN_OPTIONS="log_path=$reports/ubsan print_stacktrace=1 halt_on_error=1 exitcode=66 ${UBSAN_OPTIONS:-}"
status=0
ctest --test-dir "$dir" -L encoder --output-on-failure "$@" || status=$?
if compgen -G "$reports/*" >/dev/null; then
  echo "Sanitizer reports:" >&2
  ls "$reports" >&2
  head -n 60 "$reports"/* >&2
  status=1
fi
exit $status
