#include <cstddef>
#include <cstdint>
#include <string_view>

#include "frame/pages/EscapeDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (DecodeEscapes(text).size() > size) __builtin_trap();
    return 0;
}
