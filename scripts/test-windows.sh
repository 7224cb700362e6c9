#!/bin/bash
# The Windows module's tests: kelvaro.dll for i386 checked from its file,
# the same module for x86-64 run under wine64's loader with stand-in host
# DLLs, and the kernel and gateway tests built like the i386 module (x87,
# no SSE) as a 32-bit Linux program run under qemu-i386.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

# build_and_test DIRECTORY TOOLCHAIN [CMAKE OPTION...]
build_and_test() {
  local build="build/$1" toolchain="$PWD/cmake/toolchains/$2.cmake"
  shift 2
  echo "=== $build ==="
  cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" "$@" >/dev/null
  cmake --build "$build" -j"$(nproc)"
  ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
}

build_and_test windows-i686 i686-w64-mingw32
build_and_test windows-x86_64 x86_64-w64-mingw32
build_and_test linux-i686 i686-linux-gnu -DKELVARO_ARITHMETIC=extended
