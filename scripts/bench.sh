#!/usr/bin/env bash
# Builds the benchmarks (Google Benchmark) and runs them once: every figure
# the README reports, and the peak memory.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh libbenchmark-dev
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVATICOR_BENCH=ON >/dev/null
cmake --build build-bench --target vaticor-bench
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$(mktemp -d)" ./build-bench/vaticor-bench "$@"
