#!/usr/bin/env bash
# Installs the Debian packages Zelkor needs to build, test, run and package; only what is missing.
set -euo pipefail
packages=(cmake g++ make pkg-config
          qt6-base-dev qt6-translations-l10n libgl-dev
          firebird-dev libfbclient2 firebird3.0-server-core firebird3.0-utils
          xdg-utils poppler-utils fonts-dejavu-core
          dpkg-dev file)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
