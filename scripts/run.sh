#!/usr/bin/env bash
# Installs what is missing, builds, prepares the data folder data/run and starts Zelkor there.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/install.sh"
bash "$here/scripts/build.sh"
bash "$here/scripts/prepare-data.sh" "$here/data/run"
cd "$here/data/run"
exec "$here/build/zelkor"
