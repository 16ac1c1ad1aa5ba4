// Private data and runtime folders for a benchmark that starts the program, removed at its end.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string_view>

class BenchFolders {
public:
    explicit BenchFolders(std::string_view name) : root_(std::filesystem::temp_directory_path() / name) {
        std::filesystem::create_directories(root_ / "data");
        std::filesystem::create_directories(root_ / "run");
        setenv("XDG_DATA_HOME", (root_ / "data").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", (root_ / "run").c_str(), 1);
    }
    ~BenchFolders() { std::filesystem::remove_all(root_); }
    BenchFolders(const BenchFolders&) = delete;
    BenchFolders& operator=(const BenchFolders&) = delete;

private:
    std::filesystem::path root_;
};
