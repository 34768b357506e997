#!/bin/sh
# Builds the logo generator (tools/logomaker, outside the program's build) and redraws the
# About dialog's logos and the program icon at every desktop size, plus its SVG, in
# resources/logos. The generator needs Qt's SVG module (Debian package qt6-svg-dev); the
# program's build does not, as the drawings are kept in the repository.
set -eu
cd "$(dirname "$0")/.."
if ! dpkg-query -W -f='${Status}' qt6-svg-dev 2>/dev/null | grep -q "install ok installed"; then
    as_root=""
    [ "$(id -u)" -eq 0 ] || as_root="sudo"
    DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -qq --no-install-recommends qt6-svg-dev
fi
cmake -S tools/logomaker -B build-logomaker >/dev/null
cmake --build build-logomaker -j 2 >/dev/null
mkdir -p resources/logos
QT_QPA_PLATFORM=offscreen build-logomaker/make_logos resources/logos
