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
# The game program is not built yet: show what was built.
echo "Build finished (Release) in build/release."
echo "Libraries:"
find build/release -maxdepth 1 -name '*.a' -printf '  %f\n' | sort
echo "Programs in $bin:"
ls "$bin" 2>/dev/null | sed 's/^/  /' || true
