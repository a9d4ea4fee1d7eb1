#!/usr/bin/env bash
# Installs the Debian packages the build needs; runs apt-get update only when something is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang-format
  libsdl2-dev liblua5.1-0-dev libjpeg-dev libpng-dev libvorbis-dev libogg-dev
  libpugixml-dev libutfcpp-dev libfreetype-dev fonts-dejavu-core
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  libegl1 libegl-mesa0 libgl1-mesa-dri
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  echo "These packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
