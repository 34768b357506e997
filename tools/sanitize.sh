#!/bin/sh
# Builds Sorbello with AddressSanitizer and UndefinedBehaviorSanitizer in ./build-sanitize and
# runs the whole test suite under them (whole games in the main window and a network game
# between two programs among it), then whole arena games of every board kind. Any finding
# ends the run with a failure.
#   tools/sanitize.sh
set -eu
cd "$(dirname "$0")/.."
tools/setup-debian.sh test
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS="-O1 -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" \
    >/dev/null
cmake --build build-sanitize -j "$(nproc)"

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
export ASAN_OPTIONS="abort_on_error=1:detect_stack_use_after_return=1:strict_init_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

(cd build-sanitize && ctest --output-on-failure -j "$(nproc)")
for board in small large; do
    for group in 2 3; do
        build-sanitize/src/sorbello-arena --players unbesiegbar,normal,dumm --board "$board" --group "$group" \
            --games 50 >/dev/null
    done
done
echo "sanitize: the suite and the arena games ran clean"
