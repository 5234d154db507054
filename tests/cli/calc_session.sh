#!/usr/bin/env bash
# textaria-cli calc: one session over all lines, exact answer texts with their blanks,
# bounded zero searches, usage errors.
cli=$1
fails=0
check() {  # check NAME EXPECTED ACTUAL
    if [ "$2" != "$3" ]; then
        echo "FAIL $1"; echo "  expected: $(printf '%q' "$2")"; echo "  actual:   $(printf '%q' "$3")"
        fails=1
    fi
}

check example "$(printf '2\n6\n x = 2.00, y = 1.00')" "$("$cli" calc "a=2" "a*3" "qua(1,-3,2)")"
check blanks "$(printf ' Fehler \n Fehler\nz = -1.00 +/- i*2.00')" \
    "$("$cli" calc "1/0" "ab=2" "qua(1,2,5)")"
check decimals "$(printf '0.3333\n0.5\nz = 10.0000')" \
    "$("$cli" calc --decimals 4 "1/3" "1/2" "kom(5,2)")"
# Lines that look like options, an empty line, preparation of the line.
check dash_lines "$(printf -- ' Fehler \n-4\n\n9\n Fehler \n3\n3')" \
    "$("$cli" calc -- "-2^2" "" "  3^^2 " "--decimals" "--3=b" "b")"
check commands "$(printf 'z = 2*2*2*3*3*5*1\nz = 9.00\nz = 12.00\nw = 0.48\n7')" \
    "$("$cli" calc "pfz(360)" "int(x^2,0,3)" "dif(x^3,2,2)" "gau(-1.96)" "3,5*2")"

# A search without a zero ends by itself, like Escape, and the session goes on.
start=$(date +%s)
check endless_zero "$(printf ' Fehler \nz = 1.41')" \
    "$(timeout 60 "$cli" calc "nul(x^2+1,2,0,1)" "nul(x^2-2,0,0,2)")"
[ $(( $(date +%s) - start )) -lt 30 ] || { echo "FAIL endless_zero took too long"; fails=1; }

# The integral's argument message goes to stderr; stdout keeps the entry lines only.
check int_message_stdout " Fehler " "$("$cli" calc "int(x,2,1)" 2>/dev/null)"
check int_message_stderr "textaria-cli calc: 2,1...2" "$("$cli" calc "int(x,2,1)" 2>&1 >/dev/null)"

# The evaluator's stack-overflow line is not an entry line: it goes to stderr here.
open=$(printf '(%.0s' $(seq 40))
check overflow_stdout "$(printf ' Fehler \n2')" "$("$cli" calc "${open}1" "1+1" 2>/dev/null)"
"$cli" calc "${open}1" 2>&1 >/dev/null | grep -q "STACK-" || { echo "FAIL overflow_stderr"; fails=1; }

for bad in "" "--decimals" "--decimals 15 1" "--decimals -1 1" "--decimals x 1" "--decimals 2"; do
    # shellcheck disable=SC2086
    "$cli" calc $bad >/dev/null 2>&1
    check "usage:$bad" 2 $?
done
"$cli" calc --help | grep -q "LINE" || { echo "FAIL help"; fails=1; }
exit $fails
