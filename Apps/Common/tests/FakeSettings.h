// The current user's settings as a map, with the store's rules: reads are cut to the caller's
// buffer, an absent key answers 25 and leaves the buffer alone.
#pragma once

#include <cstring>
#include <map>
#include <string>

#include "frame/api/AppletResults.h"
#include "frame/api/ISettingsAccess.h"

class FakeSettings final : public ISettingsAccess {
public:
    IShellObject* Destroy(int) override { return this; }
    int Release() override { return 0; }
    int SetGameValue(const char*, const char*) override { return 0; }
    int GetGameValue(const char*, char*, int) override { return applet::kSettingAbsent; }
    int SetUserValue(const char* key, const char* value) override {
        values[key] = value;
        ++writes;
        return 0;
    }
    int GetUserValue(const char* key, char* buffer, int size) override {
        const auto it = values.find(key);
        if (it == values.end()) return applet::kSettingAbsent;
        if (size <= 0) return 0;
        const size_t n = std::min(it->second.size(), static_cast<size_t>(size - 1));
        std::memcpy(buffer, it->second.data(), n);
        buffer[n] = '\0';
        return 0;
    }
    bool IsInstalled() override { return true; }

    std::map<std::string, std::string> values;
    int writes = 0;
};
