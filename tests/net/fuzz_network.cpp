// libFuzzer entry: feeds the fuzzer's bytes to the receiving side of a network game.
//   tools/fuzz.sh [seconds]

#include "networkfuzz.h"

#include <QByteArray>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    NetworkFuzzWorld world;
    world.feed(QByteArray(reinterpret_cast<const char*>(data), static_cast<int>(size)));
    if (!world.consistent())
        std::abort();
    return 0;
}
