#!/bin/bash
# Times the kernel in both arithmetics against the literal kernel, Boost.Math
# and libRmath on the workloads W1-W4 (bench/workloads.h): medians of
# interleaved repetitions, CPU time. Then kelvaro-run end to end on a file of
# 1e6 samples drawn as in W1. Extra arguments go to Google Benchmark, e.g.
# --benchmark_filter=W1.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

build=build/bench
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DKELVARO_BUILD_TESTS=OFF \
  >/dev/null
cmake --build "$build" -j2 --target series_bench kelvaro-run
echo "machine: $(lscpu | sed -n 's/^Model name: *//p'), $(nproc) cores"
"$build/bench/series_bench" --benchmark_repetitions=5 \
  --benchmark_enable_random_interleaving=true \
  --benchmark_report_aggregates_only=true "$@"

samples="$build/w1_samples.txt"
awk 'BEGIN { srand(1); for (i = 0; i < 1000000; ++i)
  printf "%.17g %.17g\n", 0.1 + 499.9 * rand(), 0.1 + 499.9 * rand() }' \
  >"$samples"
seconds=()
for _ in 1 2 3 4 5; do
  TIMEFORMAT='%U %S'
  times=$({ time "$build/src/cli/kelvaro-run" --df 3.5 --max-sum 1000 \
    --tol 1e-12 "$samples" >/dev/null; } 2>&1)
  seconds+=("$(awk '{ print $1 + $2 }' <<<"$times")")
done
median=$(printf '%s\n' "${seconds[@]}" | sort -g | sed -n 3p)
echo
echo "kelvaro-run, 1e6 samples as in W1, double: ${median} s CPU (median of 5);"
echo "subtract W1/kelvaro_double above for what reading and printing cost."
