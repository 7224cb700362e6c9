#!/bin/bash
# Builds and runs every test, once for each kernel arithmetic, then the
# Windows module's (scripts/test-windows.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

for arithmetic in double extended; do
  build="build/test-$arithmetic"
  echo "=== $arithmetic arithmetic ==="
  cmake -S . -B "$build" -DKELVARO_ARITHMETIC="$arithmetic" >/dev/null
  cmake --build "$build" -j"$(nproc)"
  ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
done

bash scripts/test-windows.sh
