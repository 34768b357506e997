#!/bin/sh
# Builds the sheet generator (tools/sheetmaker, outside the program's build) and redraws the
# built-in card-picture sheet resources/cards/standardsymbole.bmp.
set -eu
cd "$(dirname "$0")/.."
cmake -S tools/sheetmaker -B build-sheetmaker >/dev/null
cmake --build build-sheetmaker -j 2 >/dev/null
mkdir -p resources/cards
QT_QPA_PLATFORM=offscreen build-sheetmaker/make_sheet resources/cards/standardsymbole.bmp
