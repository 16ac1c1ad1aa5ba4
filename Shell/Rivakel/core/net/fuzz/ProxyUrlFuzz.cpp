// The environment's proxy setting as http_proxy gives it: whatever the text, a proxy that is
// taken has a plausible name, never a credential, and a port that can be dialled.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/net/ProxyConfig.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<ProxySetting> proxy = ParseProxyUrl(text);
    if (!proxy) return 0;
    const std::string& name = proxy->name;
    if (name.empty() || name.size() > kMaxProxyName || name.find_first_of("@/: \t\r\n") != std::string::npos ||
        proxy->port == 0) {
        __builtin_trap();
    }
    if (ParseProxyText(name + ":" + std::to_string(proxy->port)) != proxy) __builtin_trap();
    return 0;
}
