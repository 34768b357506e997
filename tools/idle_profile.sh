#!/bin/sh
# Builds the program and the bare window beside it (build/bench/bare_window) and compares them
# while idle: wake-ups per second, the same during a game while a human is to move, CPU, peak
# RSS, PSS and private dirty memory idle and after a deal, and the time to the visible main
# window, with the ratios. The program is copied alone into an empty folder, as a user may copy
# it. Both run side by side on an Xvfb display of their own, each in its own network namespace
# and temporary home, so no setting or data file of the user is touched. Needs root.
#
#   tools/idle_profile.sh [--runs 3] [--seconds 10] [--starts 10]
set -eu
cd "$(dirname "$0")/.."
for tool in Xvfb xdotool unshare nsenter ip python3 cmake; do
    command -v "$tool" >/dev/null || { echo "idle_profile needs $tool"; exit 1; }
done
if command -v ccache >/dev/null; then
    export CMAKE_CXX_COMPILER_LAUNCHER=ccache
fi
cmake -S . -B build >/dev/null
# The bare window is built with the benchmarks, that is where libbenchmark-dev is installed.
cmake --build build -j2 --target sorbello bare_window >/dev/null ||
    { echo "building failed (bare_window needs libbenchmark-dev: tools/setup-debian.sh test)"; exit 1; }
exec python3 tools/idle_profile.py --program build/src/sorbello --bare build/bench/bare_window "$@"
