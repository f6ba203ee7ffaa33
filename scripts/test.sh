#!/usr/bin/env bash
# Fresh machine: install what is missing, build with AddressSanitizer and
# UndefinedBehaviorSanitizer, run every test, then run each fuzz target briefly.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DWAVE_SANITIZE=ON -DWAVE_BENCH=OFF >/dev/null
cmake --build build/asan -j "$jobs"
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp"
(cd build/asan && ctest --output-on-failure -j "$jobs")
scripts/fuzz.sh 20
