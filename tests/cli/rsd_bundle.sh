#!/usr/bin/env bash
# bundle: program + archive + trailer; the result still runs; a bundled program can be bundled
# again; unreadable input exits 1.
cli=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir" || exit 1
fail() { echo "FAIL: $*"; exit 1; }

cp "$(type -P true)" prog
printf '{\\rtf1 x}' > kurs.rtf
"$cli" rsd pack kurs.rsd kurs.rtf || fail "pack"
"$cli" bundle prog kurs.rsd kurs 2>err.txt || fail "bundle: $(cat err.txt)"
[ ! -s err.txt ] || fail "unexpected warning: $(cat err.txt)"
[ -x kurs ] || fail "bundled program is not executable"
./kurs || fail "bundled program does not run"
[ "$(tail -c 8 kurs)" = "TXA-RSD1" ] || fail "trailer magic"
size=$(( $(stat -c %s prog) + $(stat -c %s kurs.rsd) + 24 ))
[ "$(stat -c %s kurs)" -eq $size ] || fail "bundle size"
cmp -s <(head -c "$(stat -c %s prog)" kurs) prog || fail "program part changed"

"$cli" bundle kurs kurs.rsd andere 2>err.txt || fail "rebundle"
grep -q 'andere.rtf' err.txt || fail "missing lesson text must be warned about"
[ "$(stat -c %s andere)" -eq $size ] || fail "rebundling must replace the lesson, not add one"

"$cli" bundle prog nix.rsd x 2>/dev/null; [ $? -eq 1 ] || fail "missing archive must exit 1"
"$cli" bundle prog kurs.rtf x 2>/dev/null; [ $? -eq 1 ] || fail "non-archive must exit 1"
[ ! -e x ] || fail "failed bundle left a file"
"$cli" bundle prog 2>/dev/null; [ $? -eq 2 ] || fail "usage"
exit 0
