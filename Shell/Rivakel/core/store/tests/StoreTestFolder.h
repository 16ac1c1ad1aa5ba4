// A fresh folder per test, removed afterwards.
#pragma once

#include <filesystem>
#include <random>
#include <string>

class StoreTestFolder {
public:
    StoreTestFolder() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() / ("rivakel-store-" + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~StoreTestFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    StoreTestFolder(const StoreTestFolder&) = delete;
    StoreTestFolder& operator=(const StoreTestFolder&) = delete;

    std::string Path() const { return path_.string(); }
    std::filesystem::path System() const { return path_ / "Rivakel" / "System"; }

private:
    std::filesystem::path path_;
};
