#include "Apps/Common/PlayerSettings.h"

#include <array>
#include <vector>

#include "Apps/Common/DecimalText.h"
#include "frame/api/AppletResults.h"
#include "frame/api/ISettingsAccess.h"

std::string PlayerKey(std::string_view player, std::string_view item) {
    std::string key(player);
    key += " - ";
    key += item;
    return key;
}

int ReadSetting(ISettingsAccess& settings, const std::string& key, std::span<char> out) {
    if (out.empty()) return applet::kSettingAbsent;
    out[0] = '\0';
    return settings.GetUserValue(key.c_str(), out.data(), static_cast<int>(out.size()));
}

std::optional<std::string> ReadSettingText(ISettingsAccess& settings, const std::string& key, size_t maxLength) {
    std::vector<char> buffer(maxLength + 1);
    if (ReadSetting(settings, key, buffer) == applet::kSettingAbsent) return std::nullopt;
    return std::string(buffer.data());
}

int ReadSettingInt(ISettingsAccess& settings, const std::string& key, int absent) {
    std::array<char, kSettingIntBuffer> text{};
    if (ReadSetting(settings, key, text) == applet::kSettingAbsent) return absent;
    return ParseDecimal(text.data());
}

int WriteSettingInt(ISettingsAccess& settings, const std::string& key, int value) {
    DecimalBuffer text;
    return settings.SetUserValue(key.c_str(), FormatDecimal(value, text));
}

int SetPlayerSetting(ISettingsAccess& settings, std::string_view player, std::string_view item, const char* value) {
    return settings.SetUserValue(PlayerKey(player, item).c_str(), value != nullptr ? value : "");
}

void GetPlayerSetting(ISettingsAccess& settings, std::string_view player, std::string_view item, std::span<char> out) {
    const std::string key = PlayerKey(player, item);
    if (ReadSetting(settings, key, out) != applet::kSettingAbsent) return;
    settings.SetUserValue(key.c_str(), "");
    ReadSetting(settings, key, out);
}

void SetPlayerSettingInt(ISettingsAccess& settings, std::string_view player, std::string_view item, int value) {
    WriteSettingInt(settings, PlayerKey(player, item), value);
}

int GetPlayerSettingInt(ISettingsAccess& settings, std::string_view player, std::string_view item, int* out) {
    std::array<char, kSettingIntBuffer> text{};
    GetPlayerSetting(settings, player, item, text);
    const int value = ParseDecimal(text.data());
    if (out != nullptr) *out = value;
    return value;
}
