#!/bin/sh
# Makes the manual's two documents from en.md and zh.md with pandoc, as RTF, which WordPad,
# Word and LibreOffice open: each starts in the language of the language file that names it
# (English: PC版Zemlar3.0使用手册(Ver2013.03.29).DOC, Chinese: PCKovrin3.0Help(Ver2013.05.23).DOC)
# and then holds the other. The documents are committed; run this after changing the text.
#   sh docs/manual/make_manual.sh [OUTPUT_FOLDER]   (default: beside this script; pandoc: scripts/deps manual)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
out=$(cd "${1:-$here}" && pwd)
cd "$here"
# Chinese sentences run over line ends without a space between their characters.
convert() { pandoc -s -f markdown+east_asian_line_breaks -t rtf --template=template.rtf "$@"; }
convert en.md page-break.md zh.md -o "$out/PC版Zemlar3.0使用手册(Ver2013.03.29).DOC"
convert zh.md page-break.md en.md -o "$out/PCKovrin3.0Help(Ver2013.05.23).DOC"
