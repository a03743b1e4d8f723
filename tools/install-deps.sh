#!/usr/bin/env bash
# Installs the Debian 12 packages Palmora needs to build, run and test; installs only what is missing.
set -euo pipefail

paquets=(
  cmake g++ make ninja-build qt6-base-dev libgtest-dev qt6-translations-l10n libcsv-dev
  fonts-liberation2 fonts-dejavu-core xdg-utils
  # the live results: HTTP server, JSON, QR codes
  qt6-httpserver-dev qt6-websockets-dev nlohmann-json3-dev libqrencode-dev pkg-config
  # for the tests that look at real output
  xvfb xauth xdotool x11-utils x11-xkb-utils imagemagick poppler-utils faketime
  # for the fuzz targets (libFuzzer comes with clang's runtime)
  clang libclang-rt-14-dev
)

manquants=()
for p in "${paquets[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || manquants+=("$p")
done
[ ${#manquants[@]} -eq 0 ] && exit 0

sudo_si_besoin=()
[ "$(id -u)" -ne 0 ] && sudo_si_besoin=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_si_besoin[@]}" apt-get update -qq
"${sudo_si_besoin[@]}" apt-get install -y -qq --no-install-recommends "${manquants[@]}"
