#!/usr/bin/env bash
# textaria-cli lesson: word-processor lessons of every kind, archives, menus and bad input.
cli=$1
tests=$2
data=$tests/lesson/data
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
status=0
check() { echo "FAIL: $*"; status=1; }

# Archives are unpacked below TMPDIR; it must be empty again afterwards.
export TMPDIR=$tmp/scratch
mkdir -p "$TMPDIR"

for name in list_lo child_abiword single_pandoc; do
    "$cli" lesson "$data/$name.rtf" >"$tmp/out" 2>"$tmp/err" || check "$name: exit status $?"
    cmp -s "$data/$name.expected.json" "$tmp/out" || {
        check "$name: JSON differs"
        diff "$data/$name.expected.json" "$tmp/out" | head -20
    }
done
# Pages with a page script say that it did not run, and nothing else is said.
"$cli" lesson "$data/child_abiword.rtf" 2>&1 >/dev/null | grep -q '^textaria-cli lesson: page 2: ' ||
    check "no note for the script page"
[ "$("$cli" lesson "$data/single_pandoc.rtf" 2>&1 >/dev/null)" = "" ] || check "single: stderr"

# An archive of a page list; its lesson text is named after the archive, in any case.
mkdir "$tmp/a" && cd "$tmp/a" || exit 1
cp "$data/child_abiword.rtf" Kurs1.RTF
"$cli" rsd pack kurs1.rsd Kurs1.RTF >/dev/null || check "pack kurs1"
"$cli" lesson kurs1.rsd >"$tmp/out" 2>/dev/null || check "kurs1.rsd: exit status $?"
cmp -s "$data/child_abiword.expected.json" "$tmp/out" || check "kurs1.rsd: JSON differs"

# A project menu: a text without "#" unpacked with further archives.
cp kurs1.rsd kurs2.rsd
cp "$data/menu_pandoc.rtf" menu.rtf
"$cli" rsd pack menu.rsd menu.rtf kurs1.rsd kurs2.rsd >/dev/null || check "pack menu"
"$cli" lesson menu.rsd >"$tmp/out" || check "menu.rsd: exit status $?"
grep -q '"kind": "menu"' "$tmp/out" || check "menu: kind"
grep -q '"pages": \[\]' "$tmp/out" || check "menu: pages not empty"
grep -q '"projects": \["kurs1.rsd", "kurs2.rsd"\]' "$tmp/out" || check "menu: projects $(cat "$tmp/out")"
# The same text as a loose file is a single text.
"$cli" lesson menu.rtf | grep -q '"kind": "single"' || check "menu.rtf must be a single text"
[ -z "$(ls -A "$TMPDIR")" ] || check "temporary folders left behind: $(ls "$TMPDIR")"

# Strings are escaped: quotes, backslashes, control characters.
printf '#01, "Zitat" \\ A\tB;bild.jpg\r\n[a"b] [c\\\\d] [x\x01y]\r\n#02 \xff\r\n[x]\r\n#00' >plain.txt
"$cli" lesson plain.txt >"$tmp/out" || check "plain.txt: exit status $?"
grep -qF '"title": "01, \"Zitat\" \\ A\tB"' "$tmp/out" || check "title escaping: $(cat "$tmp/out")"
grep -qF '"gaps": ["a\"b", "c\\\\d", "x\u0001y"]' "$tmp/out" || check "gap escaping"
[ "$(tr -d '\n' <"$tmp/out" | LC_ALL=C grep -c $'[\x01-\x1f]')" = 0 ] || check "raw control characters"

# Bad input: 1 with a message naming the file, 2 for usage errors, never a crash.
"$cli" lesson nix.rtf 2>"$tmp/err" >/dev/null
[ $? -eq 1 ] || check "missing file must exit 1"
grep -q 'nix.rtf' "$tmp/err" || check "message must name the file"
"$cli" lesson nix.rsd 2>/dev/null >/dev/null
[ $? -eq 1 ] || check "missing archive must exit 1"
"$cli" rsd pack leer.rsd plain.txt >/dev/null
"$cli" lesson leer.rsd 2>"$tmp/err" >/dev/null
[ $? -eq 1 ] || check "archive without its lesson text must exit 1"
grep -q 'leer.rtf' "$tmp/err" || check "message must name the missing lesson text"
head -c 1000 kurs1.rsd >kurz.rsd
"$cli" lesson kurz.rsd 2>/dev/null >/dev/null
[ $? -eq 1 ] || check "short archive must exit 1"
head -c 700 "$data/list_lo.rtf" >kaputt.rtf
"$cli" lesson kaputt.rtf >/dev/null 2>&1
[ $? -eq 0 ] || check "truncated RTF must still be read"
"$cli" lesson 2>/dev/null
[ $? -eq 2 ] || check "no FILE must exit 2"
"$cli" lesson a b 2>/dev/null
[ $? -eq 2 ] || check "two FILEs must exit 2"
"$cli" lesson --help | grep -q 'usage: textaria-cli lesson FILE' || check "--help"
[ -z "$(ls -A "$TMPDIR")" ] || check "temporary folders left behind after errors"
exit $status
