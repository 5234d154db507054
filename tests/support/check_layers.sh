#!/usr/bin/env bash
# Fails when a file of a logic library includes a Qt header.
src=$1
bad=$(grep -rlE '^\s*#\s*include\s*[<"]Q[A-Za-z]' "$src" --include='*.cpp' --include='*.h' \
      | grep -vE "^$src/[^/]+/ui/|^$src/app/|^$src/cli/")
if [ -n "$bad" ]; then
  echo "Qt headers in logic files:"; echo "$bad"; exit 1
fi
