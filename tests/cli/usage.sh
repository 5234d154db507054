#!/usr/bin/env bash
# Usage errors exit with 2, --help with 0.
cli=$1
"$cli" --help >/dev/null || { echo "--help failed"; exit 1; }
"$cli" nonsense 2>/dev/null; [ $? -eq 2 ] || { echo "unknown subcommand must exit 2"; exit 1; }
exit 0
