#!/usr/bin/env bash
# Builds Zelkor into build/ (two parallel jobs).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$here/build" -j2
