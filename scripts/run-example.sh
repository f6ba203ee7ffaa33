#!/usr/bin/env bash
# Fresh machine: install what is missing, build, and run the main job on the bundled example.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DWAVE_TESTS=OFF >/dev/null
cmake --build build/release --target wave wavehost wave-disasm-capstone
build/release/host/wavehost --batch examples/processes.wavebatch
