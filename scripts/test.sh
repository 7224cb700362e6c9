#!/bin/bash
# Builds and runs every test: once for each kernel arithmetic, again with
# AddressSanitizer and UndefinedBehaviorSanitizer, the fuzzers for a bounded
# time, and the unit tests once under valgrind.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)

# configure_build_test NAME CMAKE_ARGS...: a build tree per configuration.
configure_build_test() {
  local name=$1
  shift
  local build="build/test-$name"
  echo "=== $name ==="
  cmake -S . -B "$build" "$@" >/dev/null
  cmake --build "$build" -j"$jobs"
  ctest --test-dir "$build" --output-on-failure -j"$jobs"
}

configure_build_test double -DKELVARO_ARITHMETIC=double
configure_build_test extended -DKELVARO_ARITHMETIC=extended
configure_build_test sanitize-double -DKELVARO_ARITHMETIC=double -DKELVARO_SANITIZE=ON
configure_build_test sanitize-extended -DKELVARO_ARITHMETIC=extended -DKELVARO_SANITIZE=ON
CC=clang CXX=clang++ configure_build_test fuzz -DKELVARO_FUZZ=ON

bash scripts/valgrind-tests.sh build/test-double
