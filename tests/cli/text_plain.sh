#!/usr/bin/env bash
# textaria-cli text: the plain text of word-processor documents, byte for byte, and its errors.
cli=$1
tests=$2
data=$tests/platform/data/rtf
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
status=0
check() { echo "FAIL: $*"; status=1; }

for name in lesson_lo lesson_abiword lesson_pandoc; do
    sed 's/$/\r/' "$data/$name.expected.txt" >"$tmp/expected"
    "$cli" text "$data/$name.rtf" >"$tmp/out" || check "$name: exit status $?"
    cmp -s "$tmp/expected" "$tmp/out" || check "$name: plain text differs"
done

# Plain text files: code page 1252, line ends become CR LF.
printf 'Gr\xfc\xdfe\n[Antwort]\n' >"$tmp/lesson.txt"
printf 'Gr\xc3\xbc\xc3\x9fe\r\n[Antwort]\r\n' >"$tmp/expected"
"$cli" text "$tmp/lesson.txt" >"$tmp/out" || check "txt: exit status $?"
cmp -s "$tmp/expected" "$tmp/out" || check "txt: plain text differs"

# A missing file: status 1, one line naming the file, nothing on stdout.
"$cli" text "$tmp/fehlt.rtf" >"$tmp/out" 2>"$tmp/err"
[ $? -eq 1 ] || check "missing file must exit 1"
[ -s "$tmp/out" ] && check "missing file printed text"
[ "$(wc -l <"$tmp/err")" -eq 1 ] || check "missing file: expected one line on stderr"
grep -q "fehlt.rtf" "$tmp/err" || check "missing file: message does not name the file"

"$cli" text "$tmp" >/dev/null 2>&1
[ $? -eq 1 ] || check "a folder must exit 1"

"$cli" text >/dev/null 2>&1
[ $? -eq 2 ] || check "no FILE must exit 2"
"$cli" text a b >/dev/null 2>&1
[ $? -eq 2 ] || check "two files must exit 2"
"$cli" text --help | grep -q "usage: textaria-cli text FILE" || check "--help"
exit $status
