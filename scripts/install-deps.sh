#!/bin/bash
# Installs, on Debian 12 as root, whatever the build and the tests need and
# this machine lacks. Quiet when everything is there already.
set -euo pipefail

packages=(
  cmake g++ make libgtest-dev libgmock-dev libbenchmark-dev clang-format
  libsleef-dev libboost-math-dev r-mathlib python3-mpmath
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" ||
    missing+=("$package")
done
if ((${#missing[@]})); then
  echo "installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
fi
