#!/bin/bash
# Builds and runs every test: once for each kernel arithmetic, again with
# AddressSanitizer and UndefinedBehaviorSanitizer, the fuzzers for a bounded
# time, the unit tests once under valgrind, and the Windows module's tests
# (scripts/test-windows.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)

# configure_build_test NAME CMAKE_ARGS... [-- CTEST_ARGS...]: a build tree
# per configuration.
configure_build_test() {
  local name=$1
  shift
  local cmake_args=() ctest_args=()
  while (($#)) && [[ $1 != -- ]]; do
    cmake_args+=("$1")
    shift
  done
  (($#)) && shift && ctest_args=("$@")
  local build="build/test-$name"
  echo "=== $name ==="
  cmake -S . -B "$build" "${cmake_args[@]}" >/dev/null
  cmake --build "$build" -j"$jobs"
  ctest --test-dir "$build" --output-on-failure -j"$jobs" "${ctest_args[@]}"
}

configure_build_test double -DKELVARO_ARITHMETIC=double -DKELVARO_REQUIRE_OCTAVE=ON
configure_build_test extended -DKELVARO_ARITHMETIC=extended -DKELVARO_REQUIRE_OCTAVE=ON
configure_build_test sanitize-double -DKELVARO_ARITHMETIC=double -DKELVARO_SANITIZE=ON
configure_build_test sanitize-extended -DKELVARO_ARITHMETIC=extended -DKELVARO_SANITIZE=ON
# The unit tests already ran under the sanitizers; here only the fuzzers.
CC=clang CXX=clang++ configure_build_test fuzz -DKELVARO_FUZZ=ON -- -L fuzz

bash scripts/valgrind-tests.sh build/test-double

bash scripts/test-windows.sh
