#!/usr/bin/env bash
# A very long lesson text: 20 MB of empty lines is read in bounded memory and time, and an
# archive run ended by a signal leaves no temporary folder behind.
cli=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir" || exit 1
fails=0
fail() { echo "FAIL: $*"; fails=1; }

head -c 20000000 /dev/zero | tr '\0' '\n' > empty.txt
# About 20 times the file size at most, and a few seconds. Sanitizer builds reserve address
# space beyond any such limit and run many times slower, so they get neither bound.
limit="ulimit -v 600000;" seconds=20
ldd "$cli" | grep -q libasan && limit="" seconds=300
for form in text lesson; do
    bash -c "$limit timeout $seconds \"\$0\" $form empty.txt >/dev/null" "$cli" \
        || fail "$form of 20 MB of empty lines"
done

# Long enough for the signal to arrive while the archive is unpacked or read.
mkdir tmp src
{ printf '#01, Lang\r\n'; head -c 30000000 /dev/zero | tr '\0' 'a'; printf '\r\n#00\r\n'; } \
    > src/lang.rtf
head -c 30000000 /dev/urandom > src/noise.bin
"$cli" rsd pack lang.rsd src/noise.bin src/lang.rtf || fail "pack"
set -m  # background jobs then take SIGINT instead of ignoring it
for signal in TERM INT; do
    TMPDIR=$dir/tmp "$cli" lesson lang.rsd >/dev/null 2>&1 &
    pid=$!
    for _ in $(seq 500); do
        [ -n "$(ls -A tmp)" ] && break
        sleep 0.01
    done
    kill -"$signal" $pid 2>/dev/null
    wait $pid
    [ -z "$(ls -A tmp)" ] || fail "SIG$signal left $(ls -A tmp)"
    rm -rf tmp/*
done
exit $fails
