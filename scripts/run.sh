#!/usr/bin/env bash
# Builds Vaticor and starts it; the bundled sample seasons sit beside the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target vaticor vaticor-cli
exec ./build/vaticor
