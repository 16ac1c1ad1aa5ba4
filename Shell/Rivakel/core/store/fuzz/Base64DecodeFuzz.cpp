// Decodes arbitrary text; whatever decodes must encode back to the same characters.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/store/Base64.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    CBase64 coder;
    if (!coder.DecodeText(text)) return 0;
    const std::string filtered(coder.GetEncoded());
    const auto bytes = coder.GetDecoded();
    const std::vector<uint8_t> decoded(bytes.begin(), bytes.end());
    coder.Encode(decoded);
    CBase64 check;
    if (!check.DecodeText(coder.GetEncoded())) std::abort();
    const auto back = check.GetDecoded();
    if (!std::equal(back.begin(), back.end(), decoded.begin(), decoded.end())) std::abort();
    return 0;
}
