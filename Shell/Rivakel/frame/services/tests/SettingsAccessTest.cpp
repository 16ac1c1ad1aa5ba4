#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "core/store/UserStore.h"
#include "core/store/tests/StoreTestFolder.h"
#include "frame/api/AppletResults.h"
#include "frame/boundary/InterfaceObject.h"
#include "frame/services/ServiceObjects.h"

namespace {

class SettingsAccessTest : public ::testing::Test {
protected:
    SettingsAccessTest() {
        UserStoreConfig config;
        config.dataFolder = folder_.Path();
        config.shellFolder = folder_.Path();
        config.timeStamp = [] { return int64_t{1}; };
        config.runningGameId = [] { return std::string("{GAME-1}"); };
        config.currentUserEmail = [] { return std::string("guest"); };
        CreateUserStore(std::move(config));
    }
    ~SettingsAccessTest() override {
        settings_->Destroy(1);
        DestroyUserStore();
        EXPECT_EQ(LiveInterfaceObjects(), liveBefore_);
    }

    StoreTestFolder folder_;
    const int liveBefore_ = LiveInterfaceObjects();
    ISettingsAccess* settings_ = MakeSettingsAccess();
};

TEST_F(SettingsAccessTest, ValuesRoundTripPerUserAndPerGame) {
    char buffer[32];
    EXPECT_EQ(settings_->SetUserValue("Score1Name", "Ada"), 0);
    EXPECT_EQ(settings_->SetGameValue("Score1Name", "Shared"), 0);
    EXPECT_EQ(settings_->GetUserValue("score1name", buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "Ada");
    EXPECT_EQ(settings_->GetGameValue("Score1Name", buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "Shared");
    EXPECT_EQ(settings_->SetUserValue("", "empty key"), 0);
    EXPECT_EQ(settings_->GetUserValue(nullptr, buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "empty key");
    EXPECT_FALSE(settings_->IsInstalled());
    EXPECT_EQ(settings_->Release(), 0);  // stands for nothing
}

TEST_F(SettingsAccessTest, AbsentKeysAnswer25WithEmptyText) {
    for (auto get : {&ISettingsAccess::GetUserValue, &ISettingsAccess::GetGameValue}) {
        char buffer[8];
        std::memset(buffer, 'x', sizeof buffer);
        EXPECT_EQ((settings_->*get)("Missing", buffer, sizeof buffer), applet::kSettingAbsent);
        EXPECT_EQ(buffer[0], '\0');
        EXPECT_EQ(buffer[1], 'x');
        EXPECT_EQ((settings_->*get)("Missing", nullptr, 8), applet::kSettingAbsent);
    }
}

TEST_F(SettingsAccessTest, LongValuesAreCutToTheCallersBuffer) {
    const std::string huge(1 << 20, 'v');
    settings_->SetUserValue("Huge", huge.c_str());
    char buffer[65];
    buffer[64] = '!';
    EXPECT_EQ(settings_->GetUserValue("Huge", buffer, 64), 0);
    EXPECT_EQ(std::strlen(buffer), 63u);
    EXPECT_EQ(buffer[64], '!');
    EXPECT_EQ(settings_->GetUserValue("Huge", nullptr, 64), 0);
    EXPECT_EQ(settings_->GetUserValue("Huge", buffer, 0), 0);
}

TEST(SettingsAccessWithoutStore, AnswersAbsent) {
    ISettingsAccess* settings = MakeSettingsAccess();
    char buffer[4] = "abc";
    EXPECT_EQ(settings->GetUserValue("Key", buffer, sizeof buffer), applet::kSettingAbsent);
    EXPECT_NE(settings->SetUserValue("Key", "v"), 0);
    EXPECT_STREQ(buffer, "");
    settings->Destroy(1);
}

}  // namespace
