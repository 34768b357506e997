#!/bin/sh
# Builds the logo generator (tools/logomaker, outside the program's build) and redraws the
# About dialog's logos and the program icon in resources/logos.
set -eu
cd "$(dirname "$0")/.."
cmake -S tools/logomaker -B build-logomaker >/dev/null
cmake --build build-logomaker -j 2 >/dev/null
mkdir -p resources/logos
QT_QPA_PLATFORM=offscreen build-logomaker/make_logos resources/logos
