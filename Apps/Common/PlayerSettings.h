// Settings of the current user as the applets keep them: values are strings, numbers are
// decimal text, and one player's items are stored under "<player> - <item>". Every read takes
// the caller's buffer size and starts from an empty buffer, so a missing or overlong stored
// value never leaves stale or overflowing bytes behind.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

class ISettingsAccess;

// Room for an integer item; longer stored texts are cut.
inline constexpr int kSettingIntBuffer = 100;

std::string PlayerKey(std::string_view player, std::string_view item);

// The stored value into `out` ("" when absent); the store's result: 0, or 25 when absent.
int ReadSetting(ISettingsAccess& settings, const std::string& key, std::span<char> out);
// The stored value cut to `maxLength` characters; nullopt when absent.
std::optional<std::string> ReadSettingText(ISettingsAccess& settings, const std::string& key, size_t maxLength = 255);
// The decimal value stored under `key`, or `absent` when there is none. Writes nothing.
int ReadSettingInt(ISettingsAccess& settings, const std::string& key, int absent);
int WriteSettingInt(ISettingsAccess& settings, const std::string& key, int value);

// The per-player helpers. Reading an item that was never written stores it empty first.
int SetPlayerSetting(ISettingsAccess& settings, std::string_view player, std::string_view item, const char* value);
void GetPlayerSetting(ISettingsAccess& settings, std::string_view player, std::string_view item, std::span<char> out);
void SetPlayerSettingInt(ISettingsAccess& settings, std::string_view player, std::string_view item, int value);
// The value (an empty or missing item gives 0), also stored in *out when given.
int GetPlayerSettingInt(ISettingsAccess& settings, std::string_view player, std::string_view item, int* out = nullptr);
