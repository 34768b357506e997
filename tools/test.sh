#!/bin/sh
# Installs what is missing, builds and runs the whole test suite (headless).
set -eu
cd "$(dirname "$0")/.."
tools/setup-debian.sh test
tools/build.sh
export QT_QPA_PLATFORM=offscreen
# Tests keep their settings and files in temporary directories; nothing reaches the user's own.
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
cd build
# A suite left out of the build (GoogleTest missing) is a failure here, never an empty success.
ctest --output-on-failure --no-tests=error -j "$(nproc)"
