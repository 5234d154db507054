#!/usr/bin/env bash
# bundle: program + archive; the result still runs; a bundled program can be bundled again;
# unreadable input exits 1.
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
size=$(( $(stat -c %s prog) + $(stat -c %s kurs.rsd) ))
[ "$(stat -c %s kurs)" -eq $size ] || fail "bundle size"
cmp -s <(head -c "$(stat -c %s prog)" kurs) prog || fail "program part changed"
cmp -s <(tail -c "$(stat -c %s kurs.rsd)" kurs) kurs.rsd || fail "archive part changed"

"$cli" bundle kurs kurs.rsd andere 2>err.txt || fail "rebundle"
grep -q 'andere.rtf' err.txt || fail "missing lesson text must be warned about"
[ "$(stat -c %s andere)" -eq $size ] || fail "rebundling must replace the lesson, not add one"

"$cli" bundle prog nix.rsd x 2>/dev/null; [ $? -eq 1 ] || fail "missing archive must exit 1"
"$cli" bundle prog kurs.rtf x 2>/dev/null; [ $? -eq 1 ] || fail "non-archive must exit 1"
"$cli" bundle kurs.rtf kurs.rsd x 2>/dev/null; [ $? -eq 1 ] || fail "non-program must exit 1"
[ ! -e x ] || fail "failed bundle left a file"
"$cli" bundle prog 2>/dev/null; [ $? -eq 2 ] || fail "usage"
exit 0
