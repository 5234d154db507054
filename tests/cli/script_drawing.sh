#!/usr/bin/env bash
# textaria-cli script --png/--jpeg/--size: the drawing surface saved after the run, at the
# given side, JPEG at quality 90; an unwritable picture is an error that leaves no file.
cli=$1
fails=0
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
check() {  # check NAME EXPECTED ACTUAL
    if [ "$2" != "$3" ]; then
        echo "FAIL $1"; echo "  expected: $(printf '%q' "$2")"; echo "  actual:   $(printf '%q' "$3")"
        fails=1
    fi
}
# Width and height of a PNG from its header.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $3*256+$4 "x" $7*256+$8}'; }

printf 'kor(10,1)\r\npen(2,2)\r\nfun(x*x/4-3)\r\nnul(x*x/4-3,0,0,8)\r\n' > "$dir/plot.txt"
out=$("$cli" script "$dir/plot.txt" --png "$dir/a.png" --jpeg "$dir/a.jpg" 2>/dev/null)
check status 0 $?
check text "$(printf 'kor(10,1)\npen(2,2)\nfun(x*x/4-3)\nnul(x*x/4-3,0,0,8)\n    = N(3.46,0.00)')" "$out"
check png_default_side 724x724 "$(png_size "$dir/a.png")"
check jpeg_magic "ffd8ff" "$(od -An -tx1 -N3 "$dir/a.jpg" | tr -d ' ')"
# Quality 90: the first value of the luminance quantisation table is 3.
check jpeg_quality 3 "$(od -An -tu1 -v "$dir/a.jpg" | tr -s ' \n' ' ' | awk '{for(i=1;i<NF;i++) if($i==255 && $(i+1)==219){print $(i+5); exit}}')"

"$cli" script "$dir/plot.txt" --size 300 --png "$dir/b.png" >/dev/null 2>&1
check png_size 300x300 "$(png_size "$dir/b.png")"

# The same script gives the same picture every time.
"$cli" script "$dir/plot.txt" --png "$dir/c.png" >/dev/null 2>&1
check repeatable "$(md5sum < "$dir/a.png")" "$(md5sum < "$dir/c.png")"

"$cli" script "$dir/plot.txt" --png "$dir/missing/x.png" >/dev/null 2>"$dir/err"
check unwritable_status 1 $?
check unwritable_file "" "$(ls "$dir/missing" 2>/dev/null)"

"$cli" script "$dir/plot.txt" --size 0 >/dev/null 2>&1
check size_zero 2 $?
exit $fails
