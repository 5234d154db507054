#!/usr/bin/env bash
# rsd pack warns (exit 0, archive written) when no member carries the archive's lesson text name.
cli=$(realpath "$1")
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir" || exit 1
fail() { echo "FAIL: $*"; exit 1; }

printf '{\\rtf1 Ein [Haus].\\par}' > meine.rtf
cp meine.rtf tiere.rtf
cp meine.rtf TIERE.RTF
cp meine.rtf zwei.rtf
: > bild.jpg

# archive | members | what stderr must say ("" for nothing)
while IFS='|' read -r archive members expected; do
    read -ra files <<< "$members"
    rm -f "$archive"
    "$cli" rsd pack "$archive" "${files[@]}" 2>err.txt || fail "$archive: exit status $?"
    [ -s "$archive" ] || fail "$archive: not written"
    if [ -z "$expected" ]; then
        [ ! -s err.txt ] || fail "$archive ($members): unexpected warning: $(cat err.txt)"
    else
        grep -qF -- "$expected" err.txt || fail "$archive ($members): want '$expected', got: $(cat err.txt)"
        [ "$(wc -l < err.txt)" -eq 1 ] || fail "$archive: one line expected"
    fi
done <<'TABLE'
tiere.rsd|bild.jpg tiere.rtf|
tiere.rsd|TIERE.RTF bild.jpg|
Tiere.v2.rsd|tiere.rtf|
tiere.rsd|meine.rtf bild.jpg|Rename meine.rtf to tiere.rtf and pack again.
tiere.rsd|meine.rtf zwei.rtf|Rename the lesson text (meine.rtf or zwei.rtf) to tiere.rtf
tiere.rsd|bild.jpg|Add the lesson text as tiere.rtf and pack again.
neu.tiere.rsd|tiere.rtf|holds no neu.rtf
TABLE

# The player's answer to such an archive names the file it looked for.
"$cli" rsd pack tiere.rsd meine.rtf 2>/dev/null
"$cli" lesson tiere.rsd >/dev/null 2>err.txt && fail "lesson of a misnamed archive must fail"
grep -q 'tiere.rtf' err.txt || fail "player message: $(cat err.txt)"
exit 0
