#!/usr/bin/env bash
# Builds the Debian package of Zelkor: build/zelkor_<version>_<arch>.deb
# Install it with: sudo apt install ./build/zelkor_*.deb
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/install.sh"
bash "$here/scripts/build.sh"
cd "$here/build"
rm -f zelkor_*.deb
cpack -G DEB > /dev/null
ls "$here"/build/zelkor_*.deb
