// Decodes arbitrary text; whatever decodes must encode back to the same characters, white space
// left out. The one freedom is in the bits the padding drops: the last character before the
// padding may differ there, and only there.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/store/Base64.h"

namespace {

constexpr std::string_view kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// The same as `filtered` but for the bits the padding drops.
bool SameEncoding(std::string_view encoded, std::string_view filtered) {
    if (encoded.size() != filtered.size()) return false;
    const size_t padding = filtered.size() - filtered.find_last_not_of('=') - 1;
    for (size_t i = 0; i < encoded.size(); ++i) {
        if (encoded[i] == filtered[i]) continue;
        if (padding == 0 || i + padding + 1 != filtered.size()) return false;
        const size_t kept = padding == 2 ? 0x30 : 0x3C;
        if ((kAlphabet.find(encoded[i]) & kept) != (kAlphabet.find(filtered[i]) & kept)) return false;
        if ((kAlphabet.find(encoded[i]) & ~kept) != 0) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    CBase64 coder;
    if (!coder.DecodeText(text)) return 0;
    const std::string filtered(coder.GetEncoded());
    const auto bytes = coder.GetDecoded();
    const std::vector<uint8_t> decoded(bytes.begin(), bytes.end());
    coder.Encode(decoded);
    if (!SameEncoding(coder.GetEncoded(), filtered)) std::abort();
    CBase64 check;
    if (!check.DecodeText(coder.GetEncoded())) std::abort();
    const auto back = check.GetDecoded();
    if (!std::equal(back.begin(), back.end(), decoded.begin(), decoded.end())) std::abort();
    return 0;
}
