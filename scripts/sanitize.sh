#!/usr/bin/env bash
# Builds the whole test suite with address and undefined-behaviour sanitizers (build-asan) and
# runs it headless, as test.sh does. Leaks that third-party libraries keep until exit are
# suppressed by scripts/lsan.supp.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
build=${TEXTARIA_ASAN_BUILD_DIR:-build-asan}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTEXTARIA_SANITIZE=ON \
      -DTEXTARIA_BENCH=OFF -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
nice -n 10 cmake --build "$build" -j2
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
source scripts/sound-server.sh
start_sound_server
trap stop_sound_server EXIT
ctest --test-dir "$build" --output-on-failure -j2 --timeout 900 "$@"
