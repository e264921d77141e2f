#!/usr/bin/env bash
# Builds the Debian package from a build folder into a temporary folder and checks its
# Depends (every library the program loads, also libavformat and libmpv, which it opens
# with dlopen and the package tools cannot see, each named once), its contents, and what
# lintian says of it: no error, no warning, and Debian's hardening in every executable.
#
#   check_package.sh <build folder>
set -euo pipefail
build=${1:?build folder}
command -v dpkg-deb >/dev/null && command -v dpkg-shlibdeps >/dev/null ||
  { echo "skipped: dpkg-dev is missing"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; exit 1; }
deb=$(ls "$work"/clipwright_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
failures=0
for package in libavformat59 libmpv2 libavcodec59 libavfilter8 libavutil57 libopencore-amrnb0 \
  libqt6core6 libqt6gui6 libqt6widgets6 libqt6dbus6 libqt6network6 libc6 libstdc++6 \
  fonts-liberation xdg-utils; do
  if [[ ", $depends," == *", $package "* || ", $depends," == *", $package,"* ]]; then
    echo "ok: $package"
  else
    echo "FAILED: $package is not in Depends" >&2
    failures=$((failures + 1))
  fi
done
contents=$(dpkg-deb -c "$deb")
for path in ./usr/bin/clipwright ./usr/lib/clipwright/clipwright ./usr/lib/clipwright/tcore \
  ./usr/bin/clipwright-cli ./usr/lib/clipwright/clipwright-cli ./usr/share/man/man1/clipwright-cli.1.gz ./usr/share/doc/clipwright/copyright \
  ./usr/share/applications/org.example.clipwright.desktop ./usr/share/man/man1/clipwright.1.gz ./usr/share/doc/clipwright/changelog.gz; do
  if grep -q " $path\( \|$\)" <<<"$contents"; then echo "ok: $path"; else
    echo "FAILED: $path is not in the package" >&2
    failures=$((failures + 1))
  fi
done
# Each library once in Depends.
duplicates=$(tr ',' '\n' <<<"$depends" | awk '{print $1}' | sort | uniq -d)
if [ -n "$duplicates" ]; then
  echo "FAILED: named more than once in Depends: $duplicates" >&2
  failures=$((failures + 1))
else
  echo "ok: every dependency named once"
fi

# Debian's own checks: no error and no warning (informational tags that stay are overridden,
# each with its reason, in resources/package/lintian-overrides).
if command -v lintian >/dev/null; then
  report=$(lintian --fail-on none --display-info "$deb" 2>&1 | grep -v 'running with root privileges' || true)
  [ -z "$report" ] || echo "$report"
  if grep -qE '^[EW]: ' <<<"$report"; then
    echo "FAILED: lintian reports errors or warnings" >&2
    failures=$((failures + 1))
  else
    echo "ok: lintian reports no error and no warning"
  fi
  hardening=$(lintian --fail-on none --tags hardening-no-relro,hardening-no-bindnow,hardening-no-fortify-functions,hardening-no-pie "$deb" 2>&1 | grep -v 'running with root' || true)
  if [ -n "$hardening" ]; then
    echo "FAILED: built without Debian's hardening: $hardening" >&2
    failures=$((failures + 1))
  else
    echo "ok: hardened (relro, bindnow, fortify, PIE)"
  fi
else
  echo "FAILED: lintian is missing" >&2
  failures=$((failures + 1))
fi
[ "$failures" -eq 0 ]
