#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/deps.sh

jobs=$(nproc)
cmake -S . -B build/check -G Ninja -DCMAKE_BUILD_TYPE=Debug \
      -DMERCAVO_SANITIZE=ON -DMERCAVO_BENCH=ON >/dev/null
cmake --build build/check -j "$jobs"

# No display and no sound card in CI: windows draw offscreen, sound goes nowhere.
export QT_QPA_PLATFORM=offscreen
export SDL_AUDIODRIVER=dummy
export MERCAVO_TIME_SCALE=0
export MERCAVO_AUTO_ANSWER=1
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export XDG_CONFIG_HOME=$PWD/build/check/config
export XDG_RUNTIME_DIR=$PWD/build/check/runtime
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

cd build/check
ctest --output-on-failure -j "$jobs" --timeout 600
