#!/usr/bin/env bash
# Installs what is missing, builds the Release programs and starts the game
# (arguments go to it: a saved game to open).
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/deps.sh

jobs=$(nproc)
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DMERCAVO_TESTS=OFF -DMERCAVO_BENCH=OFF >/dev/null
cmake --build build/release -j "$jobs"

bin=build/release/bin
exec "$bin/mercavo" "$@"
