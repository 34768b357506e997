#!/bin/sh
# Configures and builds Sorbello in ./build, with its tests and benchmarks where GoogleTest and
# Google Benchmark are installed.
set -eu
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" >/dev/null
cmake --build build -j "$(nproc)"
