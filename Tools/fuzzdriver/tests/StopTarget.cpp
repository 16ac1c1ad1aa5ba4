// A fuzz target that fails on the input "stop" only: it shows which inputs the driver ran.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 4 && std::memcmp(data, "stop", 4) == 0) std::exit(3);
    return 0;
}
