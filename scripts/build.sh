#!/usr/bin/env bash
# Configures and builds into build/ (the program folder is build/Clipwright/).
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
# A compiler cache, where the machine has one, makes rebuilds of other checkouts cheap.
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
cmake --build build -j"$(nproc)"
