#!/bin/sh
# Builds the network fuzzer with clang (libFuzzer, AddressSanitizer, coverage of the whole
# receiving side) and runs it, starting from a few well-formed streams.
#   tools/fuzz.sh [seconds]     (default 60)
set -eu
cd "$(dirname "$0")/.."
seconds="${1:-60}"
CXX=clang++ cmake -S . -B build-fuzz -DSORBELLO_FUZZERS=ON -DSORBELLO_BUILD_TESTS=ON \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,fuzzer-no-link -fno-omit-frame-pointer" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz --target fuzz_network -j "$(nproc)"
mkdir -p build-fuzz/corpus
python3 tools/fuzz_seeds.py build-fuzz/corpus
build-fuzz/tests/net/fuzz_network -max_total_time="$seconds" -max_len=4096 build-fuzz/corpus
