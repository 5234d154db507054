#!/usr/bin/env bash
# Page scripts from the command line: lesson and score run them, --seed repeats their random
# numbers, check names a failing script's line, play shows the values in the page.
set -u
cli=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
status=0
check() { echo "FAIL: $*"; status=1; }

data=$2/cli/data/pagescripts
cp "$data/mal.rtf" "$data/mal_m.txt" "$tmp/" && cd "$tmp" || exit 1
# mal_m.txt: page 1 multiplies two random numbers; page 2 has fixed values; page 3 never
# ends; page 4 has a line that is no script line.

"$cli" lesson mal.rtf --seed 7 >one.json 2>err.txt || check "lesson: exit status $?"
"$cli" lesson mal.rtf --seed 7 >two.json 2>/dev/null
cmp -s one.json two.json || check "the same seed must give the same lesson"
diff -u "$data/mal_seed7.json" one.json || check "lesson --seed 7 differs from mal_seed7.json"
gaps=$(grep '"number": 1,' one.json | sed 's/.*"gaps": \["\([0-9]*\)"\].*/\1/')
[ -n "$gaps" ] && [ "$gaps" -ge 4 ] && [ "$gaps" -le 81 ] || check "page 1 gap: $(cat one.json)"
grep -q '"number": 2,.*"gaps": \["0.333"\]' one.json || check "page 2 gap: $(cat one.json)"
grep -q '"number": 3,.*"gaps": \[\]' one.json || check "page 3 must have no gaps"
grep -q '^textaria-cli lesson: page 3: the page script failed' err.txt || check "page 3 note: $(cat err.txt)"
grep -q '^textaria-cli lesson: page 4: .*Zeile 16' err.txt || check "page 4 note: $(cat err.txt)"
differs=0
for seed in 1 2 3 4 5; do
    "$cli" lesson mal.rtf --seed $seed 2>/dev/null | cmp -s - one.json || differs=1
done
[ $differs = 1 ] || check "other seeds must pose other exercises"

# score: the right product scores, a wrong one does not.
out=$("$cli" score --seed 7 mal.rtf 1 "$gaps")
[ "$out" = "< 1 von 1 Werten richtig  =  100.00% >
 Seite (1):  1 richtig von 1  (100.00%)" ] || check "score right: $out"
out=$("$cli" score --seed 7 mal.rtf 1 0 | head -1)
[ "$out" = "< 0 von 1 Werten richtig  =  0.00% >" ] || check "score wrong: $out"
"$cli" score --seed x mal.rtf 1 2>/dev/null; [ $? -eq 2 ] || check "a bad seed is a usage error"
"$cli" lesson mal.rtf --seed 2>/dev/null; [ $? -eq 2 ] || check "--seed without a value"

# play: the page shows the values.
out=$(printf 'open 2\nshow\n' | "$cli" play mal.rtf --seed 7)
echo "$out" | grep -qx '| Wert 2.5, Drittel \[0.333\], f = x^2' || check "play: $out"

# check: the failing scripts are errors naming their lines.
"$cli" check mal.rtf >out.txt
[ $? -eq 1 ] || check "check must find the errors"
grep -q "^mal.rtf:3:.*page 3's script in mal_m.txt does not end" out.txt || check "check 3: $(cat out.txt)"
grep -q "^mal.rtf:4:.*page 4's script fails at line 16 of mal_m.txt: \"Hallo Welt\"" out.txt ||
    check "check 4: $(cat out.txt)"
[ "$(wc -l <out.txt)" -eq 2 ] || check "check: $(cat out.txt)"
exit $status
