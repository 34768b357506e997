#!/bin/sh
# Installs what is missing, builds and starts Sorbello.
set -eu
cd "$(dirname "$0")/.."
tools/setup-debian.sh
tools/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display here: Sorbello starts on a virtual screen (xvfb-run)."
    exec xvfb-run -a -s "-screen 0 1024x768x24" build/src/sorbello
fi
exec build/src/sorbello
