#!/bin/bash
# Installs, on Debian 12 as root, whatever the build and the tests need and
# this machine lacks. Quiet when everything is there already.
set -euo pipefail

packages=(
  cmake g++ make libgtest-dev libgmock-dev libbenchmark-dev clang-format
  python3-mpmath
  # SLEEF's vector exponential, for the double arithmetic's SIMD terms.
  libsleef-dev
  # The benchmark's yardsticks: Boost.Math and libRmath.
  libboost-math-dev r-mathlib
  # Sanitizers, libFuzzer and leak checks.
  clang libclang-rt-14-dev valgrind
  # GNU Octave as the module's host: octave-cli, mkoctfile and liboctinterp.
  # Plotting without a display goes through gnuplot's pngcairo terminal;
  # Octave's own text renderer needs the FreeSans font, which Octave only
  # recommends.
  octave liboctave-dev gnuplot-nox fonts-freefont-otf
  # The Windows module and its proofs (scripts/test-windows.sh).
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine64 qemu-user g++-multilib
  python3-pefile
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
