#!/bin/sh
# Installs what building and running need where it is missing (and, without a display, a
# virtual screen), builds and starts Sorbello. The test suite is built only where GoogleTest is
# installed (tools/test.sh installs it).
set -eu
cd "$(dirname "$0")/.."
tools/setup-debian.sh build
no_display=""
[ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ] || no_display=yes
[ -z "$no_display" ] || tools/setup-debian.sh screen
tools/build.sh
if [ -n "$no_display" ]; then
    echo "No display here: Sorbello starts on a virtual screen (xvfb-run)."
    exec xvfb-run -a -s "-screen 0 1024x768x24" build/src/sorbello
fi
exec build/src/sorbello
