#!/usr/bin/env bash
# Runs one libFuzzer harness of fuzz/ for a while, single process, at low priority.
#   scripts/fuzz.sh NAME MINUTES      builds build-fuzz (clang, TEXTARIA_FUZZ=ON) and runs fuzz_NAME
#   scripts/fuzz.sh --run BINARY NAME SECONDS   runs an already built harness (the tests do this)
# New inputs go to a working corpus beside the binary; the seeds in fuzz/corpus/NAME are only
# read. A finding is written to findings/NAME-* beside the binary and the exit status is not 0.
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)

run() {
    local bin=$1 name=$2 seconds=$3
    local dir
    dir=$(dirname "$bin")
    mkdir -p "$dir/corpus-$name" "$dir/findings"
    local dict=()
    [ -f "$src/fuzz/$name.dict" ] && dict=(-dict="$src/fuzz/$name.dict")
    "$bin" "${dict[@]}" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$dir/findings/$name-" \
        "$dir/corpus-$name" "$src/fuzz/corpus/$name"
}

if [ "${1:-}" = "--run" ]; then
    [ $# -eq 4 ] || { echo "usage: $0 --run BINARY NAME SECONDS" >&2; exit 2; }
    run "$2" "$3" "$4"
    exit
fi
[ $# -eq 2 ] || { echo "usage: $0 NAME MINUTES" >&2; exit 2; }
name=$1 minutes=$2
build=${TEXTARIA_FUZZ_BUILD_DIR:-$src/build-fuzz}
cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=clang++ \
      -DTEXTARIA_FUZZ=ON -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null
nice -n 10 cmake --build "$build" -j2 --target "fuzz_$name"
nice -n 10 bash "$0" --run "$build/fuzz/fuzz_$name" "$name" $((minutes * 60))
