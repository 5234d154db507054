#!/usr/bin/env bash
# textaria-cli score on lessons saved by word processors (AbiWord, LibreOffice).
cli=$1; tests=$2
quiz=$tests/cli/data/quiz_abiword.rtf
demo=$tests/../examples/demo/demo.rtf
failures=0
expect() {  # expect "EXPECTED OUTPUT" FILE PAGE ANSWERS...
    local want=$1; shift
    local got
    got=$("$cli" score "$@")
    if [ "$got" != "$want" ]; then
        echo "score $*:"; echo " expected: $(printf '%q' "$want")"; echo " got:      $(printf '%q' "$got")"
        failures=$((failures + 1))
    fi
}
nl=$'\n'
# Decimal comma and point, rounding to two decimals.
expect "< 2 von 2 Werten richtig  =  100.00% >$nl Seite (1):  2 richtig von 2  (100.00%)" $quiz 1 0.5 0,67
expect "< 2 von 2 Werten richtig  =  100.00% >$nl Seite (1):  2 richtig von 2  (100.00%)" $quiz 1 ,5 0.666
expect "< 1 von 2 Werten richtig  =  50.00% >$nl Seite (1):  1 richtig von 2  (50.00%)" $quiz 1 0.50 0.6
# "§": case ignored for A..Z only.
expect "< 1 von 2 Werten richtig  =  50.00% >$nl Seite (2):  1 richtig von 2  (50.00%)" $quiz 2 baum äpfelchen
expect "< 2 von 2 Werten richtig  =  100.00% >$nl Seite (2):  2 richtig von 2  (100.00%)" $quiz 2 BAUM Äpfelchen
# Alternatives: compared as written, also the numeric gap of the same page.
expect "< 0 von 2 Werten richtig  =  0.00% >$nl Seite (3):  0 richtig von 2  (0.00%)" $quiz 3 pkw 3.50
expect "< 1 von 2 Werten richtig  =  50.00% >$nl Seite (3):  1 richtig von 2  (50.00%)" $quiz 3 PKW 3,5
# Whole page.
expect " << richtig >> $nl Seite (4):  1 richtig von 1  (100%)" $quiz 4 Montag Dienstag +
expect " << falsch >> $nl Seite (4):  0 richtig von 1  (0%)" $quiz 4 Montag dienstag +
# Questionnaire page: the factor line.
expect "F01: Ich lerne gern." $quiz 5 3
# Reading page: nothing to evaluate.
expect "" $quiz 6 x
# Missing answers stay empty; an answer may begin with "-".
expect "< 0 von 4 Werten richtig  =  0.00% >$nl Seite (2):  0 richtig von 4  (0.00%)" $demo 2 -Schiff
expect "< 4 von 4 Werten richtig  =  100.00% >$nl Seite (3):  4 richtig von 4  (100.00%)" $demo 3 3,50 10.5 42 .25
# Refusals.
"$cli" score $quiz 9 2>/dev/null; [ $? -eq 2 ] || { echo "page beyond the lesson must exit 2"; failures=$((failures + 1)); }
"$cli" score $quiz x 2>/dev/null; [ $? -eq 2 ] || { echo "bad page number must exit 2"; failures=$((failures + 1)); }
"$cli" score /no/such/lesson.rtf 1 2>/dev/null; [ $? -eq 1 ] || { echo "missing file must exit 1"; failures=$((failures + 1)); }
exit $((failures > 0))
