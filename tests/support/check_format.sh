#!/usr/bin/env bash
# Fails when a C++ file in the given folders (relative to the source root) differs from what
# clang-format makes of it with the root's .clang-format.
root=$1
shift
command -v clang-format >/dev/null || { echo "clang-format is not installed"; exit 1; }
cd "$root" || exit 1
bad=$(find "$@" \( -name '*.cpp' -o -name '*.h' \) -print0 \
      | xargs -0 clang-format --dry-run 2>&1 | grep -oE '^[^:]+:[0-9]+:[0-9]+: warning' \
      | cut -d: -f1 | sort -u)
if [ -n "$bad" ]; then
    echo "Not formatted (run clang-format -i on them):"; echo "$bad"; exit 1
fi
