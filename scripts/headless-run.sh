#!/usr/bin/env bash
# Runs the program under Xvfb for a few seconds; it saves a screenshot of its main window.
set -euo pipefail
prog=$1; shift
shot=${TEXTARIA_SCREENSHOT:-$PWD/textaria-screenshot.png}
seconds=${TEXTARIA_SHOW_SECONDS:-6}
xvfb-run -a -s "-screen 0 1366x768x24" \
    "$prog" --screenshot "$shot" --quit-after "$seconds" "$@"
echo "Textaria ran under Xvfb; screenshot of its window: $shot"
