#!/usr/bin/env bash
# Builds Zelkor into build/ (two parallel jobs); ccache is used when the machine has it.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" > /dev/null
cmake --build "$here/build" -j2
