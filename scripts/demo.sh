#!/bin/bash
# Main job: builds kelvaro-run and evaluates, with the module, the
# noncentral chi-square densities of the example samples.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

build=build/demo
cmake -S . -B "$build" -DKELVARO_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target kelvaro-run >/dev/null
"$build/src/cli/kelvaro-run" --df 3.5 --max-sum 1000 --tol 1e-12 \
  examples/five_samples.txt
