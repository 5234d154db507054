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
