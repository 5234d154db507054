#!/usr/bin/env bash
# textaria-cli script: the final text on stdout, answers for the dialogs, the step budget with
# exit status 3, usage and unreadable files.
cli=$1
fails=0
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
# Qt warns on stderr when a session has no runtime folder; give the run one of its own.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="$dir/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
fi
check() {  # check NAME EXPECTED ACTUAL
    if [ "$2" != "$3" ]; then
        echo "FAIL $1"; echo "  expected: $(printf '%q' "$2")"; echo "  actual:   $(printf '%q' "$3")"
        fails=1
    fi
}

printf 'invar(Zahlen: a, b)\r\nc = a * b\r\nintex1()\r\nselect(Wahl:k,3)\r\nd = k + 0\r\n' > "$dir/input.txt"
printf '1,2,3\n2,4\nx^2\n2\n' > "$dir/answers.txt"
check answers "$(printf 'invar(Zahlen: a, b)\nc = a * b = 8.00\nintex1()\nselect(Wahl:k,3)\nd = k + 0 = 2.00')" \
    "$("$cli" script "$dir/input.txt" --answers "$dir/answers.txt" 2>/dev/null)"
# The wrong answer shows its hold box on stderr; stdout stays the script text.
check hold_box "textaria-cli script: Falsche Eingabe" \
    "$("$cli" script "$dir/input.txt" --answers "$dir/answers.txt" 2>&1 >/dev/null)"
# Answers that run out escape the dialog: the run ends after that line.
check answers_run_out "$(printf 'invar(Zahlen: a, b)\nc = a * b\nintex1()\nselect(Wahl:k,3)\nd = k + 0')" \
    "$("$cli" script "$dir/input.txt" 2>/dev/null)"

# A run that never stops ends by the step budget, with its text and exit status 3.
printf '_oben\nn = n + 1\ngoto(oben)\n' > "$dir/endless.txt"
out=$(timeout 60 "$cli" script "$dir/endless.txt" --max-steps 3000 2>"$dir/err")
check endless_status 3 $?
check endless_text "$(printf '_oben\nn = n + 1 = 1500.00\ngoto(oben)')" "$out"
grep -q "max-steps" "$dir/err" || { echo "FAIL endless_message"; fails=1; }
timeout 60 "$cli" script "$dir/endless.txt" >/dev/null 2>&1
check endless_default_budget 3 $?

# Picture options are accepted; the text is the same.
printf 'GGT(12,18)\n' > "$dir/plain.txt"
check picture_options "$(printf 'GGT(12,18)\n    z = 6.00')" \
    "$("$cli" script "$dir/plain.txt" --png "$dir/out.png" --size 300 --jpeg "$dir/out.jpg")"

# Usage errors exit 2, unreadable files 1, without a partial output file.
for bad in "" "$dir/plain.txt --max-steps" "$dir/plain.txt --max-steps x" \
           "$dir/plain.txt --max-steps 0" "$dir/plain.txt --bogus" "$dir/plain.txt $dir/plain.txt"; do
    # shellcheck disable=SC2086
    "$cli" script $bad >/dev/null 2>&1
    check "usage '$bad'" 2 $?
done
"$cli" script "$dir/missing.txt" >/dev/null 2>"$dir/err"
check missing_status 1 $?
grep -q "missing.txt" "$dir/err" || { echo "FAIL missing_message"; fails=1; }
"$cli" script "$dir/plain.txt" --answers "$dir/none.txt" >/dev/null 2>&1
check missing_answers 1 $?
"$cli" script --help | grep -q "max-steps" || { echo "FAIL help"; fails=1; }
exit $fails
