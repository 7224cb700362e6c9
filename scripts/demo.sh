#!/bin/bash
# The main job: builds kelvaro.mex for GNU Octave and runs examples/demo.m
# in Octave, which prints densities beside a reference and writes a plot.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

build=build/demo
cmake -S . -B "$build" -DKELVARO_BUILD_TESTS=OFF -DKELVARO_REQUIRE_OCTAVE=ON \
  >/dev/null
cmake --build "$build" --target kelvaro_octave -j2 >/dev/null

# Octave without a display: no window system, no start-up files of the user.
KELVARO_DEMO_PNG="$PWD/$build/kelvaro-demo.png" \
  octave-cli --norc --no-history --no-window-system --quiet \
  --path "$build/octave" --path examples examples/demo.m
