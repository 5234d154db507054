#!/usr/bin/env bash
# textaria-cli eval: output lines, variables, arguments that look like options, usage errors.
cli=$1
fails=0
check() {  # check NAME EXPECTED ACTUAL
    if [ "$2" != "$3" ]; then
        echo "FAIL $1"; echo "  expected: $(printf '%q' "$2")"; echo "  actual:   $(printf '%q' "$3")"
        fails=1
    fi
}

check example "$(printf '14 1\n0 5')" "$("$cli" eval "2+3*4" "1/0")"
check signs "$(printf -- '-4 1\n3 1\n0 0')" "$("$cli" eval -2^2 --3 "")"
check variables "$(printf -- '-3 2\n0 0\n0.30000000000000004 1')" \
    "$("$cli" eval --var A=2 --var x=-1.5 "a*x" "--var" "0.1+0.2")"
check negative_zero "0 1" "$("$cli" eval "trunc(-0.5)")"
check shortest "$(printf '1e+190 1\n0.001 1')" "$("$cli" eval "10^190" "1E-3")"
# The arctangent at the top of the range once crashed on the NaN of its own split.
check atan_extremes "$(printf '90 1\n89.36340642403651 1\n0 5\n0 5\n90 2')" \
    "$("$cli" eval --var z=1E308 "atan(1E308)" "atan(atan(1E308))" "asin(atan(1E308))" \
        "acos(atan(1E308))" "ATAN(z--228-48)")"
check atan_calc "89.36" "$("$cli" calc "atan(atan(1e308))")"

open=$(printf '(%.0s' $(seq 40))
check overflow "$(printf '\n STACK-\xc3\x9cBERLAUF BEI DER FORMELAUSWERTUNG ! \n\n0 0\n2 1')" \
    "$("$cli" eval "${open}1" "1+1")"

for bad in "--var" "--var Q 1" "--var A=x 1" "--var AB=1 1" "--var A=inf 1" "--var A=nan 1"; do
    # shellcheck disable=SC2086
    "$cli" eval $bad >/dev/null 2>&1
    check "usage:$bad" 2 $?
done
"$cli" eval >/dev/null 2>&1; check "usage:none" 2 $?
"$cli" eval --help | grep -q "FORMULA" || { echo "FAIL help"; fails=1; }
exit $fails
