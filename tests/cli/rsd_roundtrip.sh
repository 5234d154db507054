#!/usr/bin/env bash
# rsd pack, list and unpack: members come back byte for byte, in order; exit statuses.
cli=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir" || exit 1
fail() { echo "FAIL: $*"; exit 1; }

printf 'kurs.rtf\r\nbild 1.jpg\r\n' > archiv.txt
printf '{\\rtf1 Ein [Haus].\\par}' > kurs.rtf
head -c 300000 /dev/urandom > 'bild 1.jpg'
: > leer.dat
"$cli" rsd pack kurs.rsd archiv.txt kurs.rtf 'bild 1.jpg' leer.dat || fail "pack"
rtf=$(stat -c %s kurs.rtf)
[ "$(stat -c %s kurs.rsd)" -eq $((672224 + 22 + rtf + 300000)) ] || fail "archive size"

expected=$(printf 'archiv.txt\t22\nkurs.rtf\t%d\nbild 1.jpg\t300000\nleer.dat\t0' "$rtf")
[ "$("$cli" rsd list kurs.rsd)" = "$expected" ] || fail "list: $("$cli" rsd list kurs.rsd)"

"$cli" rsd unpack kurs.rsd out 2>err.txt || fail "unpack: $(cat err.txt)"
[ ! -s err.txt ] || fail "unpack wrote to stderr: $(cat err.txt)"
for f in archiv.txt kurs.rtf 'bild 1.jpg' leer.dat; do cmp -s "$f" "out/$f" || fail "differs: $f"; done

# Title and background pictures stay packed.
cp kurs.rtf titelbild.jpg
"$cli" rsd pack t.rsd titelbild.jpg kurs.rtf || fail "pack t"
"$cli" rsd unpack t.rsd out2 || fail "unpack t"
[ -e out2/kurs.rtf ] && [ ! -e out2/titelbild.jpg ] || fail "title picture written"

# Unreadable input: 1 with a message naming the file; usage errors: 2.
"$cli" rsd list nix.rsd 2>err.txt; [ $? -eq 1 ] || fail "missing archive must exit 1"
grep -q 'nix.rsd' err.txt || fail "message must name the file"
head -c 1000 kurs.rsd > kurz.rsd
"$cli" rsd unpack kurz.rsd out3 2>err.txt; [ $? -eq 1 ] || fail "short directory must exit 1"
grep -q 'kurz.rsd' err.txt || fail "message must name the short file"
[ -z "$(ls -A out3 2>/dev/null)" ] || fail "short archive wrote files"
"$cli" rsd pack x.rsd nix.txt 2>/dev/null; [ $? -eq 1 ] || fail "missing member file must exit 1"
[ ! -e x.rsd ] || fail "failed pack left an archive"
"$cli" rsd pack x.rsd 2>/dev/null; [ $? -eq 2 ] || fail "pack without files must exit 2"
"$cli" rsd frob x 2>/dev/null; [ $? -eq 2 ] || fail "unknown action must exit 2"
"$cli" rsd --help | grep -q 'rsd unpack ARCHIVE DIR' || fail "help"
exit 0
