// A store of the test's own: in a fresh folder, installed unless asked otherwise, with the
// running game and the current user's e-mail the test sets.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "core/store/UserStore.h"
#include "core/store/tests/StoreTestFolder.h"

class UserStoreTest : public ::testing::Test {
protected:
    UserStoreConfig Config(bool installed = true) {
        UserStoreConfig config;
        config.installed = installed;
        config.dataFolder = folder.Path();
        config.shellFolder = folder.Path();
        config.shellVersion = "01.02.03.0004-and-more";
        config.timeStamp = [] { return int64_t{777}; };
        config.runningGameId = [this] { return game; };
        config.currentUserEmail = [this] { return email; };
        return config;
    }
    std::string ReadFile(std::string_view name) {
        std::ifstream in(folder.System() / name, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    void WriteFile(std::string_view name, const std::string& text) {
        std::filesystem::create_directories(folder.System());
        std::ofstream(folder.System() / name, std::ios::binary) << text;
    }

    StoreTestFolder folder;
    std::string game = "{GAME-1}";
    std::string email = "guest";
};
