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
          dpkg-dev file libxlsxwriter-dev zlib1g-dev
          locales fonts-urw-base35 lintian python3-openpyxl)
packages+=(firebird3.0-server)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
# The tests run in the foresters' locale too: hu_HU.UTF-8 is generated where missing.
# It is listed in /etc/locale.gen, so that an update of `locales` keeps it.
need_locale() { ! locale -a 2>/dev/null | grep -qix 'hu_HU\.utf-\?8'; }
make_locale() {
  need_locale || return 0
  if ! grep -qx 'hu_HU.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    echo 'hu_HU.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  fi
  $sudo locale-gen >/dev/null
  if need_locale; then echo "install.sh: hu_HU.UTF-8 could not be generated" >&2; exit 1; fi
}
if [ ${#missing[@]} -eq 0 ]; then make_locale; exit 0; fi
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
make_locale
