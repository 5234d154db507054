#!/usr/bin/env bash
# Hostile and truncated archives: unsafe names are reported and never written, nothing lands
# outside the target folder, and a member cut off by the end of the file stops with status 1.
cli=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir" || exit 1
fail() { echo "FAIL: $*"; exit 1; }

mkdir -p src work/target
printf 'evil' > src/aaaaaaaaaaa
printf 'evil' > src/bbbbbbbbbb
printf 'good' > src/good.txt
"$cli" rsd pack h.rsd src/aaaaaaaaaaa src/bbbbbbbbbb src/good.txt || fail "pack"
# Rename the first two members in place: same lengths, hostile names.
printf '../evil.txt' | dd of=h.rsd bs=1 seek=1 conv=notrunc status=none
printf 'C:evil.txt' | dd of=h.rsd bs=1 seek=235 conv=notrunc status=none
"$cli" rsd list h.rsd | grep -q '^\.\./evil\.txt	4$' || fail "list shows the stored name"

# A C1 control (0x9D in code page 1252 is U+009D) is shown escaped, in the list and the message.
printf 'x' > src/c1name
"$cli" rsd pack c1.rsd src/c1name src/good.txt || fail "pack c1"
printf 'c1\x9Dn' | dd of=c1.rsd bs=1 seek=1 conv=notrunc status=none
"$cli" rsd list c1.rsd | grep -q '^c1\\x9Dnme	1$' || fail "list escapes C1: $("$cli" rsd list c1.rsd | od -c | head -2)"
"$cli" rsd unpack c1.rsd c1 2>err.txt
grep -q 'c1\\x9Dn' err.txt || fail "skip message escapes C1: $(cat err.txt)"

"$cli" rsd unpack h.rsd work/target 2>err.txt; rc=$?
[ $rc -eq 0 ] || fail "unpack must exit 0 when the rest was written (got $rc)"
[ "$(grep -c 'evil.txt' err.txt)" -eq 2 ] || fail "each skipped name on stderr: $(cat err.txt)"
[ "$(cd work && find . | sort | tr '\n' ' ')" = ". ./target ./target/good.txt " ] \
    || fail "unexpected files: $(cd work && find .)"
[ ! -e evil.txt ] || fail "wrote outside the target"

# Cut the archive inside its last member: the earlier members stay, no partial file.
"$cli" rsd pack t.rsd src/good.txt src/aaaaaaaaaaa || fail "pack t"
truncate -s $((672224 + 6)) t.rsd
"$cli" rsd unpack t.rsd cut 2>err.txt; [ $? -eq 1 ] || fail "truncated member must exit 1"
[ -s err.txt ] || fail "no message for the truncated member"
[ "$(ls -A cut | tr '\n' ' ')" = "good.txt " ] || fail "after truncation: $(ls -A cut)"

# Not an archive at all: a big file of zeros has only free records.
head -c 700000 /dev/zero > zero.rsd
"$cli" rsd unpack zero.rsd z || fail "all-zero directory"
[ -z "$(ls -A z)" ] || fail "all-zero directory wrote files"
exit 0
