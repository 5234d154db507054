#!/usr/bin/env bash
# Rebuilds the lessons of this folder from their sources with the real word processors
# (LibreOffice, AbiWord, pandoc). The tests read only the committed results. The
# *.expected.json files were checked line by line against the markup rules by hand.
set -euo pipefail
cd "$(dirname "$0")"
soffice --headless --convert-to rtf --outdir . list_lo.fodt
abiword --to=rtf -o child_abiword.rtf child_abiword.html
pandoc -s -f markdown-auto_identifiers -o single_pandoc.rtf single_pandoc.md
pandoc -s -f markdown-auto_identifiers -o menu_pandoc.rtf menu_pandoc.md
