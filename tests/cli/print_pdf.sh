#!/usr/bin/env bash
# textaria-cli print on the demo lesson (written with LibreOffice): the PDF's text shows each
# gap as its line of underscores and none of the answers; pictures stand where the page has
# them, in order; bad page lists are usage errors and leave no file behind.
cli=$1; tests=$2
demo=$tests/../examples/demo/demo.rtf
out=$(mktemp -d); trap 'rm -rf "$out"' EXIT
failures=0
bad() { echo "$*"; failures=$((failures + 1)); }
has() { grep -qF -- "$2" <<<"$1" || bad "missing in $3: $2"; }
hasnt() { ! grep -qF -- "$2" <<<"$1" || bad "must not appear in $3: $2"; }
images() { pdfimages -list "$1" | awk 'NR > 2 { print $1, $4 "x" $5 }' | tr '\n' ' '; }

# The worksheet of page 2: four gaps on two lines, one line holding three of them.
"$cli" print "$demo" --pdf "$out/ws.pdf" --pages 2 || bad "worksheet failed"
text=$(pdftotext "$out/ws.pdf" -)
has "$text" "Das _____ liegt im _____. Die _____ fliegen" worksheet
has "$text" "rot und ____." worksheet
for answer in Schiff Möwen weiß "[" "]"; do hasnt "$text" "$answer" worksheet; done
[ "$(images "$out/ws.pdf")" = "" ] || bad "the worksheet alone carries no picture"

# Text and pictures: page 2's worksheet, its picture, page 8's worksheet, its picture.
"$cli" print "$demo" --pdf "$out/f6.pdf" --pages 2,8 --pictures || bad "--pictures failed"
[ "$(images "$out/f6.pdf")" = "2 320x220 4 240x200 " ] ||
    bad "pictures: expected hafen on sheet 2 and haus on sheet 4, got: $(images "$out/f6.pdf")"
text=$(pdftotext "$out/f6.pdf" -)
has "$text" "[ hafen ]" pictures
has "$text" "[ 2 / 10 ]" pictures
has "$text" "[ haus ]" pictures
hasnt "$text" "Baum" pictures

# Text and picture on one sheet.
"$cli" print "$demo" --pdf "$out/one.pdf" --pages 8 --text-and-picture || bad "one sheet failed"
[ "$(images "$out/one.pdf")" = "1 240x200 " ] || bad "one sheet: $(images "$out/one.pdf")"
text=$(pdftotext "$out/one.pdf" -)
has "$text" "Auf dem Bild steht ein" "one sheet"
hasnt "$text" "Baum" "one sheet"

# A reading page prints as text sheets, whatever the mode.
"$cli" print "$demo" --pdf "$out/read.pdf" --pages 1 --pictures || bad "reading page failed"
text=$(pdftotext "$out/read.pdf" -)
has "$text" "Willkommen bei Textaria" "reading page"
has "$text" "<Seite 1>" "reading page"

# Every page by default, each its own job.
"$cli" print "$demo" --pdf "$out/all.pdf" || bad "all pages failed"
pages=$(pdfinfo "$out/all.pdf" | awk '/^Pages:/ { print $2 }')
[ "${pages:-0}" -ge 10 ] || bad "all pages: only ${pages:-0} sheets"

# Refusals: usage errors exit 2 and neither write nor touch OUT.pdf.
echo keep >"$out/keep.pdf"
for list in 0 11 3-2 x 2, ,2 2-; do
    "$cli" print "$demo" --pdf "$out/keep.pdf" --pages "$list" 2>/dev/null
    [ $? -eq 2 ] || bad "--pages '$list' must exit 2"
done
"$cli" print "$demo" --pictures --text-and-picture --pdf "$out/keep.pdf" 2>/dev/null
[ $? -eq 2 ] || bad "two modes must exit 2"
"$cli" print "$demo" 2>/dev/null
[ $? -eq 2 ] || bad "missing --pdf must exit 2"
[ "$(cat "$out/keep.pdf")" = keep ] || bad "a refused command changed OUT.pdf"
"$cli" print "$demo" --pdf "$out/no/such/folder/x.pdf" --pages 2 2>/dev/null
[ $? -eq 1 ] || bad "an unwritable OUT.pdf must exit 1"
[ -z "$(ls -A "$out" | grep -v -e '\.pdf$')" ] || bad "temporary files left: $(ls -A "$out")"

exit $((failures > 0))
