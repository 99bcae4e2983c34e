#!/usr/bin/env bash
# Builds every test with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ and runs them: a use after free or undefined behaviour fails the run.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/install.sh"
launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$here" -B "$here/build-asan" -DCMAKE_BUILD_TYPE=Debug -DZELKOR_SANITIZE=ON "${launcher[@]}" > /dev/null
cmake --build "$here/build-asan" -j2
cd "$here/build-asan"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 "$@"
