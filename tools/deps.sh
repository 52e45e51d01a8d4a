#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, and only those
# that are missing, so a second run does nothing. `deps.sh bench` installs
# what only `make bench` needs besides, so `make test` stays lean.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libglfw3-dev libgl-dev libgl1-mesa-dri libx11-dev libxtst-dev
  libopenal-dev libopenal1 libvorbis-dev libstb-dev
  fonts-dejavu-core libgtest-dev
  xvfb xauth x11-utils xdotool twm
  # The fuzz targets: clang with libFuzzer's runtime, llvm-symbolizer for
  # readable reports.
  clang-14 libclang-rt-14-dev llvm-14
)
if [ "${1:-}" = bench ]; then
  packages=(libbenchmark-dev libsdl2-dev)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
