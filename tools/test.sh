#!/bin/sh
# Installs what is missing, builds and runs the whole test suite (headless).
set -eu
cd "$(dirname "$0")/.."
tools/setup-debian.sh
tools/build.sh
export QT_QPA_PLATFORM=offscreen
# Tests keep their settings and files in temporary directories; nothing reaches the user's own.
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
cd build
ctest --output-on-failure -j "$(nproc)"
