#!/usr/bin/env bash
# Rebuilds the RTF files of this folder from their sources with the real word processors
# (LibreOffice, AbiWord, pandoc). The tests only read the committed results; the *.expected.txt
# files are written by hand from the sources, never exported by the word processors.
set -euo pipefail
cd "$(dirname "$0")"
soffice --headless --convert-to rtf --outdir . lesson_lo.fodt
abiword --to=rtf -o lesson_abiword.rtf lesson_abiword.html
pandoc -s -f markdown-auto_identifiers -o lesson_pandoc.rtf lesson_pandoc.md
