#!/usr/bin/env bash
# Builds every fuzz target with clang's libFuzzer (plus ASan and UBSan) and
# fuzzes each for a while, growing its corpus in tests/fuzz/corpus/<Name>/.
# Usage: tests/fuzz/run.sh [seconds per target, default 60] [target name...]
set -euo pipefail
cd "$(dirname "$0")/../.."
bash scripts/deps.sh
if ! command -v clang++ >/dev/null; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq && apt-get install -y -qq clang libclang-rt-14-dev >/dev/null
fi
seconds=${1:-60}
shift || true
cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang \
      -DCMAKE_CXX_COMPILER=clang++ -DMERCAVO_SANITIZE=ON -DMERCAVO_LIBFUZZER=ON \
      -DMERCAVO_BENCH=OFF >/dev/null
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for f in tests/fuzz/*Fuzz.cpp; do b=$(basename "$f" Fuzz.cpp); targets+=("$b"); done
fi
for name in "${targets[@]}"; do
  cmake --build build/fuzz --target "fuzz_$name"
  mkdir -p "tests/fuzz/corpus/$name"
  build/fuzz/fuzz/"fuzz_$name" -max_total_time="$seconds" -max_len=65536 \
      "tests/fuzz/corpus/$name"
done
