#!/usr/bin/env bash
# Installs the Debian packages Zelkor needs to build, test, run and package; only what is missing.
# firebird3.0-server serves a shared database and runs the tests of several
# workstations (they start a server of their own on a free port; the package's
# own service, if its installation starts one, is left alone).
set -euo pipefail
packages=(cmake g++ make pkg-config
          qt6-base-dev qt6-translations-l10n libgl-dev
          firebird-dev libfbclient2 firebird3.0-server-core firebird3.0-utils
          xdg-utils poppler-utils fonts-dejavu-core
          dpkg-dev file libxlsxwriter-dev zlib1g-dev)
packages+=(firebird3.0-server)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
# Without systemd (a container, CI) the server package's service is not started
# at installation: nothing here needs it and its start may fail there.
policy=/usr/sbin/policy-rc.d
if [ ! -d /run/systemd/system ] && [ ! -e "$policy" ]; then
  printf '#!/bin/sh\n[ "$1" = firebird3.0 ] && exit 101\nexit 0\n' | $sudo tee "$policy" >/dev/null
  $sudo chmod 755 "$policy"
  trap '$sudo rm -f "$policy"' EXIT
fi
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
