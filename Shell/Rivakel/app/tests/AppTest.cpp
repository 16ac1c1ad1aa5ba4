#include "app/App.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/CommandLine.h"
#include "app/tests/AppTestEnvironment.h"

namespace {

class CAppTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        Program().sizes = {800, 572, 500, 420};
    }
};

TEST_F(CAppTest, ClipboardReadIsCutToTheBufferAndTerminated) {
    CApp app(Arguments{});
    std::array<char, 1000> buffer{};
    int length = -1;
    EXPECT_EQ(app.GetClipboardText(buffer, length), 0);
    EXPECT_EQ(length, 0);
    EXPECT_EQ(buffer[0], '\0');

    app.SetClipboardText(std::string(1001, 'c'));
    app.GetClipboardText(buffer, length);
    EXPECT_EQ(length, 999);
    EXPECT_EQ(buffer[999], '\0');

    app.SetClipboardText(std::string("a\0b", 3));
    app.GetClipboardText(buffer, length);
    EXPECT_EQ(length, 3);
    EXPECT_EQ(std::string(buffer.data(), 3), std::string("a\0b", 3));
}

TEST_F(CAppTest, BrowserOpensOnlyPlausibleAddresses) {
    CApp app(Arguments{});
    EXPECT_EQ(app.OpenInBrowser("https://rivakel.example/games"), 0);
    EXPECT_NE(app.OpenInBrowser("-oProxyCommand=x"), 0);
    EXPECT_NE(app.OpenInBrowser(""), 0);
    EXPECT_NE(app.OpenInBrowser("https://x/" + std::string(3000, 'a')), 0);
    EXPECT_NE(app.OpenInBrowser("file:///etc/passwd"), 0);
    headless_->SetUrlOpeningWorks(false);
    EXPECT_NE(app.OpenInBrowser("https://rivakel.example/"), 0);
    EXPECT_EQ(headless_->OpenedUrls(), std::vector<std::string>{"https://rivakel.example/games"});
}

TEST_F(CAppTest, InstalledWhenTheCoreStoreExists) {
    EXPECT_FALSE(CApp(Arguments{}).IsInstalled());
    std::filesystem::create_directories(DataHome() / "Rivakel" / "System");
    std::ofstream(DataHome() / "Rivakel" / "System" / "Core.rdt") << "<Core></Core>";
    EXPECT_TRUE(CApp(Arguments{}).IsInstalled());
}

TEST_F(CAppTest, EmptyCommandLineRunsFromTheProgramsFolder) {
    setenv("RIVAKEL_DEV_DIR", "/dev/folder", 1);
    EXPECT_EQ(CApp(Arguments{}).GetShellPath(), "/dev/folder");
    unsetenv("RIVAKEL_DEV_DIR");
    std::string path = CApp(Arguments{}).GetShellPath();
    EXPECT_FALSE(path.empty());
    EXPECT_NE(path.back(), '/');
}

TEST_F(CAppTest, MissingStringGivesAnEmptyTerminatedText) {
    CApp app(Arguments{});
    std::array<char, 4> buffer{'x', 'x', 'x', 'x'};
    EXPECT_EQ(app.LoadResString(0xFFFF, buffer), 0);
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(app.LoadResString(0xFFFF, std::span<char>()), 0);
}

TEST_F(CAppTest, EndOfTheApplicationObjectEndsTheLoop) {
    { CApp app(Arguments{}); }
    EXPECT_TRUE(Program().quit);
}

TEST(OsInfoFields, ReportsThisPlatformInTheSevenFields) {
    std::vector<std::string> fields = OsInfoFields();
    ASSERT_EQ(fields.size(), 7u);
    EXPECT_FALSE(fields[0].empty());
    EXPECT_EQ(fields[4], "DX0.0");
    EXPECT_EQ(fields[5], "0");
    EXPECT_EQ(fields[6], "0");
}

}  // namespace
