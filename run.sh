#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it on the demo lesson.
# Without a display it runs under Xvfb and saves a screenshot.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
build=${TEXTARIA_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
cmake --build "$build" -j2 --target textaria
demo="$build/examples/demo.rsd"
args=()
[ -f "$demo" ] && args=(--open "$PWD/$demo")
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$build/src/app/textaria" "${args[@]}"
fi
./scripts/headless-run.sh "$build/src/app/textaria" "${args[@]}"
