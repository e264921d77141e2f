#!/usr/bin/env bash
# Builds the Debian package from a build folder into a temporary folder and checks its
# Depends: every library the program loads, also libavformat and libmpv, which it opens
# with dlopen and the package tools cannot see.
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
  ./usr/bin/clipwright-cli ./usr/lib/clipwright/clipwright-cli ./usr/share/man/man1/clipwright-cli.1 \
  ./usr/share/applications/org.example.clipwright.desktop ./usr/share/man/man1/clipwright.1; do
  if grep -q " $path\( \|$\)" <<<"$contents"; then echo "ok: $path"; else
    echo "FAILED: $path is not in the package" >&2
    failures=$((failures + 1))
  fi
done
[ "$failures" -eq 0 ]
