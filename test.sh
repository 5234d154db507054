#!/usr/bin/env bash
# Installs what is missing, builds everything and runs all tests headless.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
build=${TEXTARIA_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTEXTARIA_WERROR=ON \
      -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
cmake --build "$build" -j2
source scripts/sound-server.sh
start_sound_server
trap stop_sound_server EXIT
ctest --test-dir "$build" --output-on-failure -j2 --timeout 600

# The fuzzing harnesses, built by clang with sanitizers in a build folder of their own; each
# runs for a few seconds (scripts/fuzz.sh NAME MINUTES runs one for longer).
fuzz_build=${TEXTARIA_FUZZ_BUILD_DIR:-build-fuzz}
cmake -S . -B "$fuzz_build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=clang++ \
      -DTEXTARIA_FUZZ=ON -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
cmake --build "$fuzz_build" -j2 --target fuzz
ctest --test-dir "$fuzz_build" --output-on-failure -j2 --timeout 300
