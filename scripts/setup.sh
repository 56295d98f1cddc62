#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing Parabolix needs,
# asking apt-get only for what is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkgconf
  libgtest-dev libbenchmark-dev
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  as_root=()
  if ((EUID != 0)); then as_root=(sudo); fi
  export DEBIAN_FRONTEND=noninteractive
  "${as_root[@]}" apt-get update -q
  "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
