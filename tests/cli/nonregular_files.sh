#!/usr/bin/env bash
# Files that are not regular files: a FIFO, a folder or a device is refused as input at once
# (never read, so never waited on) and never replaced as output.
cli=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir" || exit 1
fails=0
fail() { echo "FAIL: $*"; fails=1; }

mkfifo pipe.rsd pipe.rtf
mkdir folder.rsd
printf 'x' > m.txt
for input in pipe.rsd pipe.rtf folder.rsd /dev/zero; do
    for form in "rsd list" text lesson "bundle $cli"; do
        # shellcheck disable=SC2086
        timeout 10 "$cli" $form "$input" $([ "${form%% *}" = bundle ] && echo out) \
            >/dev/null 2>err.txt
        rc=$?
        [ $rc -eq 1 ] || fail "$form $input: exit $rc (expected 1)"
        grep -q "$input" err.txt || fail "$form $input: message does not name the file"
    done
done

# Outputs: a FIFO and a folder stay what they are, and no temporary file is left behind.
before=$(ls -A | sort)
for output in pipe.rtf folder.rsd; do
    timeout 10 "$cli" rsd pack "$output" m.txt 2>err.txt; rc=$?
    [ $rc -eq 1 ] || fail "pack onto $output: exit $rc"
    [ -s err.txt ] || fail "pack onto $output: no message"
done
[ -p pipe.rtf ] || fail "the FIFO was replaced"
[ -d folder.rsd ] || fail "the folder was replaced"
"$cli" rsd pack ok.rsd m.txt || fail "pack to a new file"
timeout 10 "$cli" bundle "$cli" ok.rsd pipe.rtf 2>/dev/null && fail "bundle onto a FIFO"
[ -p pipe.rtf ] || fail "bundle replaced the FIFO"
after=$(ls -A | sort)
[ "$after" = "$(printf '%s\nok.rsd\n' "$before" | sort)" ] ||
    fail "files left behind: $(comm -13 <(echo "$before") <(echo "$after") | grep -vx ok.rsd)"
exit $fails
