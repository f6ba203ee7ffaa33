#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number of seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
if ! command -v clang++ >/dev/null; then
    echo "fuzz: clang++ not found, fuzz targets skipped"
    exit 0
fi
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DWAVE_SANITIZE=ON -DWAVE_FUZZ=ON -DWAVE_TESTS=OFF -DWAVE_BENCH=OFF >/dev/null
targets=$(for f in fuzz/fuzz_*.cpp; do [ -e "$f" ] && basename "$f" .cpp; done)
[ -n "$targets" ] || { echo "fuzz: no targets"; exit 0; }
cmake --build build/fuzz --target $targets
for t in $targets; do
    corpus=build/fuzz/corpus/$t
    mkdir -p "$corpus"
    seeds=fuzz/seeds/$t
    [ -d "$seeds" ] || seeds=
    echo "fuzz: $t for ${seconds}s"
    build/fuzz/fuzz/$t -max_total_time="$seconds" -print_final_stats=0 "$corpus" $seeds 2>build/fuzz/$t.log ||
        { tail -40 build/fuzz/$t.log; exit 1; }
done
