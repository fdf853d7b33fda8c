#!/usr/bin/env bash
# Installs what is missing, builds the Release programs and runs the main job.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/deps.sh

jobs=$(nproc)
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DMERCAVO_TESTS=OFF -DMERCAVO_BENCH=OFF >/dev/null
cmake --build build/release -j "$jobs"

bin=build/release/bin
if [ -x "$bin/mercavo" ]; then
  exec "$bin/mercavo" "$@"
fi
# The game program is not built yet: show what exists, a year of a headless
# game of seven companies on our own data.
echo "Build finished (Release) in build/release; the game program does not exist yet."
echo "Programs in $bin: $(ls "$bin" | tr '\n' ' ')"
echo
echo "A year of a headless game (tools/simulate) on the data in $bin:"
MERCAVO_HOME="$bin" QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} \
  "$bin/simulate" --companies 7 --months 12 --seed "$(date +%s)" "$@"
