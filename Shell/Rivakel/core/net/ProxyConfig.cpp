#include "core/net/ProxyConfig.h"

#include "core/base/Log.h"
#include "core/base/Strings.h"
#include "core/store/RdtNode.h"

namespace {

bool PlausibleName(std::string_view name) {
    if (name.empty() || name.size() > kMaxProxyName) return false;
    for (char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= ' ' || byte == 0x7F || c == '/' || c == '@' || c == '"' || c == '<' || c == '>') return false;
    }
    return true;
}

uint16_t PortOr80(std::string_view text) {
    if (text.empty() || text.size() > 5) return 80;
    unsigned value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return 80;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    return value >= 1 && value <= 65535 ? static_cast<uint16_t>(value) : 80;
}

}  // namespace

std::optional<ProxySetting> ParseProxyText(std::string_view text) {
    const size_t colon = text.find(':');
    ProxySetting setting;
    const std::string_view name = text.substr(0, colon);
    if (!PlausibleName(name)) return std::nullopt;
    setting.name = std::string(name);
    if (colon != std::string_view::npos) setting.port = PortOr80(text.substr(colon + 1));
    return setting;
}

std::optional<ProxySetting> ParseProxyUrl(std::string_view text) {
    constexpr std::string_view kScheme = "http://";
    if (text.size() >= kScheme.size() && EqualsNoCase(text.substr(0, kScheme.size()), kScheme)) {
        text.remove_prefix(kScheme.size());
    } else if (text.find("://") != std::string_view::npos) {
        return std::nullopt;
    }
    if (const size_t slash = text.find('/'); slash != std::string_view::npos) {
        if (text.find_first_not_of('/', slash) != std::string_view::npos) return std::nullopt;
        text = text.substr(0, slash);
    }
    // "user:password@" is passed over and never kept: the proxy is named after it.
    if (const size_t at = text.rfind('@'); at != std::string_view::npos) text.remove_prefix(at + 1);
    return ParseProxyText(text);
}

ProxySetting ApplyStoredProxy(RdtNode* shell, const std::optional<ProxySetting>& system) {
    ProxySetting setting = system.value_or(ProxySetting{});
    if (shell == nullptr) return setting;
    RdtNode* stored = shell->FindChild("DefaultProxyServer");
    if (stored == nullptr) {
        // Only what the user chose is kept: the environment's proxy is read afresh at every
        // start, so a wrong one is gone once the environment is mended.
        stored = shell->AddChild("DefaultProxyServer");
        stored->SetAttr("Name", "");
        stored->SetAttr("Port", "80");
        return setting;
    }
    const std::string* nameValue = stored->AttrValue("Name");
    const std::string* portValue = stored->AttrValue("Port");
    const std::string name = nameValue != nullptr ? *nameValue : std::string();
    const std::string port = portValue != nullptr ? *portValue : std::string();
    if (port == "0") stored->SetAttr("Port", "80");
    if (name.empty()) return setting;
    if (!PlausibleName(name)) {
        Warning("CSubsystem_Net::SetUp: the stored proxy name is not usable");
        return setting;
    }
    setting.name = name;
    setting.port = PortOr80(port);
    return setting;
}
