// A fresh folder under the temp folder for one test, removed with everything in it afterwards.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <string>

#include "platform/Host.h"

class HostTestFolder {
public:
    HostTestFolder() {
        std::string pattern = platform::JoinPath(platform::TempFolder(), "rivakel-test-XXXXXX");
        path_ = ::mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
    }
    ~HostTestFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    HostTestFolder(const HostTestFolder&) = delete;
    HostTestFolder& operator=(const HostTestFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string operator/(std::string_view name) const { return platform::JoinPath(path_, name); }

private:
    std::string path_;
};
