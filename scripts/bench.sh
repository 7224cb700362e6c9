#!/bin/bash
# Times the kernel in both arithmetics against the literal kernel, Boost.Math
# and libRmath on the workloads W1-W4 (bench/workloads.h): medians of
# interleaved repetitions, CPU time. Extra arguments go to Google Benchmark,
# e.g. --benchmark_filter=W1.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

build=build/bench
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DKELVARO_BUILD_TESTS=OFF \
  >/dev/null
cmake --build "$build" -j2 --target series_bench
echo "machine: $(lscpu | sed -n 's/^Model name: *//p'), $(nproc) cores"
"$build/bench/series_bench" --benchmark_repetitions=5 \
  --benchmark_enable_random_interleaving=true \
  --benchmark_report_aggregates_only=true "$@"
