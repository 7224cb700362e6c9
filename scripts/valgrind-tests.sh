#!/bin/bash
# Runs every GoogleTest program of a build tree under valgrind: any invalid
# read or write, use of uninitialised memory or leak fails the run.
# Valgrind emulates the x87 unit with 64-bit doubles and keeps no
# floating-point exception flags, so the tests that observe the x87
# precision, the flags or the extended exponent range run natively only.
# No --track-origins: it would write origin tags for the whole 16 GiB table
# of the MAX_SUM = 2^31 - 1 test, which the kernel itself never touches.
set -euo pipefail
build=${1:?usage: valgrind-tests.sh BUILD_DIR}
native_only='*Environment*:SeriesArithmetics.*:*FpuAtLoad*'
status=0
for program in "$build"/tests/*_tests; do
  echo "--- valgrind $program"
  valgrind --quiet --error-exitcode=99 --leak-check=full \
    --errors-for-leak-kinds=definite,indirect \
    "$program" --gtest_brief=1 --gtest_filter="-$native_only" || status=1
done
exit $status
