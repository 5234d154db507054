#!/usr/bin/env bash
# textaria-cli check on lessons written by word processors: the faults planted in them are
# found, line by line as data/check/expected.txt says, and the demo lesson gives nothing.
set -u
cli=$1
src=$2
data=$src/cli/data/check
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# The lessons lie in a folder of their own, so FILE in the output is the same on every machine.
cp "$data/faults_abiword.rtf" "$src/lesson/data/list_lo.rtf" "$tmp/"
cp "$src/../examples/demo/hafen.jpg" "$tmp/titelbild.jpg"
# An archive named unlike its text, and one whose title picture the unpacker leaves out.
"$cli" rsd pack "$tmp/quiz.rsd" "$tmp/faults_abiword.rtf" 2>/dev/null || fail "pack quiz.rsd"
printf '#01, Start;titelbild.jpg\r\nText\r\n#00\r\n' > "$tmp/bild.rtf"
"$cli" rsd pack "$tmp/bild.rsd" "$tmp/bild.rtf" "$tmp/titelbild.jpg" || fail "pack bild.rsd"

(cd "$tmp" && "$cli" check faults_abiword.rtf list_lo.rtf quiz.rsd bild.rsd) > "$tmp/out.txt" 2> "$tmp/err.txt"
status=$?
[ $status -eq 1 ] || fail "lessons with errors must exit 1, not $status"
[ -s "$tmp/err.txt" ] && fail "unexpected stderr: $(cat "$tmp/err.txt")"
diff -u "$data/expected.txt" "$tmp/out.txt" || fail "findings differ from expected.txt"

# The demo lesson, loose and packed, is clean.
"$cli" rsd pack "$tmp/demo.rsd" "$src"/../examples/demo/* || fail "pack demo.rsd"
out=$("$cli" check "$src/../examples/demo/demo.rtf" "$tmp/demo.rsd" 2>&1) || fail "demo: $out"
[ -z "$out" ] || fail "demo lesson not clean: $out"

# A warning alone is no error; an unreadable lesson is.
printf '#01 A\r\nText\r\n#01 B\r\nText\r\n#00\r\n' > "$tmp/warn.rtf"
"$cli" check "$tmp/warn.rtf" > "$tmp/out.txt" || fail "warnings alone must exit 0"
grep -q ':2:3: warning: the title number 01 is used twice' "$tmp/out.txt" || fail "$(cat "$tmp/out.txt")"
"$cli" check "$tmp/missing.rtf" 2>/dev/null; [ $? -eq 1 ] || fail "a missing lesson must exit 1"
"$cli" check 2>/dev/null; [ $? -eq 2 ] || fail "no lesson is a usage error"
exit 0
