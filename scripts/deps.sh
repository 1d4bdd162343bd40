#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Rekol need,
# when they are missing. Usage: scripts/deps.sh [run|test]
set -euo pipefail

packages=(cmake g++ make qt6-base-dev qt6-base-dev-tools libgl-dev libcurl4-openssl-dev
          qtkeychain-qt6-dev fonts-liberation2 fonts-dejavu-core)
# Registering the desktop entry and the .k09 file type for the user.
packages+=(shared-mime-info desktop-file-utils xdg-utils)
if [ "${1:-run}" = test ]; then
  packages+=(clang libclang-rt-14-dev googletest libgtest-dev libgmock-dev libbenchmark-dev
             python3-aiosmtpd openssl xvfb xauth poppler-utils)
  packages+=(hyperfine) # the start-up benchmark
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
