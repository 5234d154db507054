#!/usr/bin/env bash
# textaria-cli play on whole lessons: each play/NAME.play (first line "#> LESSON") must print
# play/NAME.out; protocol paths are written as <protocols>.
cli=$1; tests=$2
dir=$tests/cli/play
failures=0
for script in "$dir"/*.play; do
    name=$(basename "$script" .play)
    lesson=$(head -1 "$script" | sed 's/^#> *//')
    protocols=$(mktemp -d)
    run() {
        "$cli" play "$dir/$lesson" --protocol-folder "$1" --clock "07.12.2026 09:30:15" \
            --seed 7 < "$script" 2>&1 | sed "s#$1#<protocols>#g"
        # The files written: text files read back from code page 1252 with each CR LF shown
        # as "<CRLF>"; the JSON twins are UTF-8.
        for f in "$1"/*; do
            [ -e "$f" ] || continue
            echo "== $(basename "$f")"
            case $f in
                *.json) cat "$f" ;;
                *) iconv -f CP1252 -t UTF-8 "$f" | sed 's/\r$/<CRLF>/' ;;
            esac
        done
    }
    got=$(run "$protocols")
    # A second run into a fresh folder writes the very same files.
    again=$(mktemp -d)
    [ "$(run "$again")" = "$got" ] || { echo "play $name: a second run differs"; failures=$((failures + 1)); }
    rm -rf "$protocols" "$again"
    if [ "${UPDATE_GOLDEN:-}" = 1 ]; then printf '%s\n' "$got" > "$dir/$name.out"; continue; fi
    if ! diff -u "$dir/$name.out" <(printf '%s\n' "$got"); then
        echo "play $name: output differs"; failures=$((failures + 1))
    fi
done
# Usage errors and unreadable lessons.
echo "frobnicate" | "$cli" play "$dir/test.rtf" >/dev/null 2>&1
[ $? -eq 2 ] || { echo "an unknown command must exit 2"; failures=$((failures + 1)); }
echo "type 21 x" | "$cli" play "$dir/test.rtf" >/dev/null 2>&1
[ $? -eq 2 ] || { echo "field 21 must exit 2"; failures=$((failures + 1)); }
for bad in "key F13" "key shift+" "key enter 0" "key home"; do
    echo "$bad" | "$cli" play "$dir/test.rtf" >/dev/null 2>&1
    [ $? -eq 2 ] || { echo "\"$bad\" must exit 2"; failures=$((failures + 1)); }
done
"$cli" play /no/such/lesson.rtf </dev/null >/dev/null 2>&1
[ $? -eq 1 ] || { echo "a missing lesson must exit 1"; failures=$((failures + 1)); }
exit $failures
