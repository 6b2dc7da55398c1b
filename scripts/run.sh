#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it against the
# simulated Network Controller. Extra arguments go to kelvane-tools.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DKELVANE_BUILD_TESTS=OFF -DKELVANE_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build/release
exec build/release/src/app/kelvane-tools --simulate "$@"
