#include "core/files/CSubsystem_File.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/resources/ResourceModule.h"
#include "core/resources/ResourceRegistry.h"
#include "respack/BlobBuilder.h"

namespace fs = std::filesystem;

namespace {

std::unique_ptr<resources::ResourceModule> Module(const std::vector<std::pair<std::string, std::string>>& files) {
    respack::BlobBuilder builder;
    for (const auto& [name, text] : files)
        builder.AddResource("RCDATA", name, std::vector<uint8_t>(text.begin(), text.end()));
    std::string error;
    auto blob = builder.Build(&error);
    EXPECT_TRUE(blob.has_value()) << error;
    return resources::ResourceModule::FromBlob(std::move(*blob), "test");
}

class FileServiceTest : public ::testing::Test {
protected:
    FileServiceTest() {
        root_ = fs::temp_directory_path() /
                ("rivakel-files-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        for (const char* folder : {"shell", "data", "override"}) fs::create_directories(root_ / folder);
        config_.shellPath = (root_ / "shell").string();
        config_.dataFolder = (root_ / "data").string();
        shellModule_ = Module({{"pic.gif", "shell"}, {"p-img-shell-defaultcardback.gif", "default back"}});
        resources::ResourceRegistry::Instance().SetShell(shellModule_.get());
    }
    ~FileServiceTest() override {
        resources::ResourceRegistry::Instance().SetShell(nullptr);
        resources::ResourceRegistry::Instance().ClearApplet();
        fs::remove_all(root_);
    }

    void Write(const fs::path& relative, const std::string& text) {
        fs::create_directories((root_ / relative).parent_path());
        std::ofstream(root_ / relative, std::ios::binary) << text;
    }
    // The text of the file `name` opens to, or "<missing>".
    std::string Read(CSubsystem_File& service, std::string_view name) {
        CFile* file = service.OpenFile(name);
        std::string text = "<missing>";
        if (file->IsOpen()) {
            const auto data = file->GetData();
            text.assign(data.begin(), data.end());
        } else {
            EXPECT_EQ(file->OpenResult(), kFileMissing);
        }
        service.CloseFile(file);
        return text;
    }

    fs::path root_;
    FileServiceConfig config_;
    std::unique_ptr<resources::ResourceModule> shellModule_;
};

TEST_F(FileServiceTest, ResolutionOrder) {
    Write("override/PIC.gif", "override");
    Write("shell/pic.gif", "disk");
    resources::ResourceRegistry::Instance().SetApplet(Module({{"Pic.GIF", "applet"}}));
    auto inspected = Module({{"pic.gif", "inspected"}});

    config_.overrideFolder = (root_ / "override").string();
    CSubsystem_File withOverride(config_);
    EXPECT_EQ(Read(withOverride, "pic.gif"), "override");

    CSubsystem_File service(FileServiceConfig{config_.shellPath, false, config_.dataFolder, {}});
    service.SetResourceModule(inspected.get());
    EXPECT_EQ(Read(service, "PIC.gif"), "inspected");
    service.ClearResourceModule();
    EXPECT_EQ(Read(service, "pic.gif"), "applet");
    resources::ResourceRegistry::Instance().ClearApplet();
    // Not installed: the shell's folder and the name's last component.
    EXPECT_EQ(Read(service, "images\\Pic.gif"), "disk");
    fs::remove(root_ / "shell/pic.gif");
    EXPECT_EQ(Read(service, "pic.gif"), "shell");
    EXPECT_EQ(Read(service, "nothing.gif"), "<missing>");
}

TEST_F(FileServiceTest, RunningGamesFolderComesRightAfterItsResources) {
    Write("game/Layout19.dat", "game folder");
    Write("game/Shared.txt", "game folder");
    Write("data/Shared.txt", "data folder");
    Write("secret.txt", "secret");
    config_.installed = true;
    CSubsystem_File service(config_);
    resources::ResourceRegistry::Instance().SetApplet(Module({{"Layout1.dat", "applet"}}));
    service.SetGameFolder((root_ / "game").string());
    EXPECT_EQ(Read(service, "layout1.dat"), "applet");
    EXPECT_EQ(Read(service, "LAYOUT19.DAT"), "game folder");
    EXPECT_EQ(Read(service, "Shared.txt"), "game folder");
    EXPECT_EQ(Read(service, "..\\secret.txt"), "<missing>");
    service.SetGameFolder({});
    EXPECT_EQ(Read(service, "Layout19.dat"), "<missing>");
    EXPECT_EQ(Read(service, "Shared.txt"), "data folder");
}

TEST_F(FileServiceTest, InstalledShellReadsTheDataFolderWithoutRegardToCase) {
    Write("data/System/Banners/b1.gif", "banner");
    config_.installed = true;
    CSubsystem_File service(config_);
    EXPECT_EQ(Read(service, "system\\banners\\B1.GIF"), "banner");
    EXPECT_EQ(Read(service, "b1.gif"), "<missing>");
}

TEST_F(FileServiceTest, NamesLeavingTheirRootAreRefused) {
    Write("secret.txt", "secret");
    Write("data/inside.txt", "inside");
    config_.installed = true;
    config_.overrideFolder = (root_ / "override").string();
    CSubsystem_File service(config_);
    for (const char* name : {"..\\secret.txt", "../secret.txt", "a\\..\\..\\secret.txt", "/etc/passwd",
                             "\\secret.txt", "C:\\secret.txt", ""})
        EXPECT_EQ(Read(service, name), "<missing>") << name;
    EXPECT_EQ(Read(service, "inside.txt"), "inside");
    EXPECT_EQ(service.DeleteShellFile("..\\secret.txt"), kFileMissing);
    EXPECT_TRUE(fs::exists(root_ / "secret.txt"));
    EXPECT_FALSE(service.WriteAppDataFile("..\\secret.txt", "overwritten"));
}

TEST_F(FileServiceTest, MemoryBlocksOpenByTokenNeverByAddress) {
    CSubsystem_File service(config_);
    auto block = std::make_shared<const std::vector<uint8_t>>(10, uint8_t{'m'});
    const std::string name = service.MemoryBlocks().Register(block);
    EXPECT_EQ(name.rfind("MEM:10,", 0), 0u);
    EXPECT_EQ(Read(service, name), std::string(10, 'm'));

    const std::string token = name.substr(name.find(',') + 1);
    EXPECT_EQ(Read(service, "MEM:9," + token), "<missing>");
    EXPECT_EQ(Read(service, "MEM:10," + std::to_string(reinterpret_cast<uintptr_t>(block->data()))), "<missing>");
    EXPECT_EQ(Read(service, "MEM:10,-1"), "<missing>");
    EXPECT_EQ(Read(service, "MEM:10"), "<missing>");

    CFile* open = service.OpenFile(name);
    EXPECT_TRUE(service.MemoryBlocks().Unregister(name));
    block.reset();
    EXPECT_EQ(Read(service, name), "<missing>");
    // A file already open keeps its data.
    EXPECT_EQ(open->GetSize(), 10u);
    EXPECT_EQ(open->ReadChar(), 'm');
    service.CloseFile(open);

    const std::string next = service.MemoryBlocks().Register(std::make_shared<const std::vector<uint8_t>>(10, 1));
    EXPECT_NE(next, name);
}

TEST_F(FileServiceTest, CardBackFollowsTheChoice) {
    Write("data/System/Skins/CardBacks/blue.gif", "blue");
    config_.installed = true;
    CSubsystem_File service(config_);
    CardBackChoice choice{"blue.gif", 3};
    service.SetCardBackSource([&] { return choice; });
    EXPECT_EQ(Read(service, "cardback.GIF"), "blue");
    // A chosen cardback whose file has gone opens nothing rather than another picture.
    choice = {"gone.gif", 3};
    EXPECT_EQ(Read(service, "CardBack.gif"), "<missing>");

    choice = {"p-img-shell-defaultcardback.gif", 3};
    EXPECT_EQ(Read(service, "CardBack.gif"), "default back");
    // Settings naming a path fall back to the built-in cardback.
    choice = {"..\\..\\..\\secret.gif", 3};
    EXPECT_EQ(Read(service, "CardBack.gif"), "default back");

    // With only the built-in cardback in the table, a game's own cardback wins.
    choice = {"p-img-shell-defaultcardback.gif", 1};
    EXPECT_EQ(Read(service, "CardBack.gif"), "default back");
    resources::ResourceRegistry::Instance().SetApplet(Module({{"CardBack.gif", "game back"}}));
    EXPECT_EQ(Read(service, "CardBack.gif"), "game back");
    choice = {"p-img-shell-defaultcardback.gif", 2};
    EXPECT_EQ(Read(service, "CardBack.gif"), "default back");
    // Nothing told the service of cardbacks yet: the game's own back.
    CSubsystem_File untold(config_);
    EXPECT_EQ(Read(untold, "CardBack.gif"), "game back");
}

TEST_F(FileServiceTest, EnumerateFilesListsWhatOpenFileFinds) {
    Write("data/Skins/b.RML", "b");
    Write("data/Skins/a.rml", "a");
    Write("data/Skins/c.txt", "");
    Write("data/Skins/d.rml/inner", "");
    Write("shell/flat.rml", "flat");
    Write("shell/Skins/nested.rml", "");
    config_.installed = true;
    CSubsystem_File service(config_);
    std::vector<std::string> found;
    auto collect = [&](const std::string& name, const std::string& folder) {
        found.push_back(fs::path(folder).filename().string() + "/" + name);
        // Every name reported opens under the subfolder it was listed in.
        EXPECT_NE(Read(service, "skins\\" + name), "<missing>") << name;
    };
    service.EnumerateFiles("skins", "*.rml", collect);
    EXPECT_EQ(found, (std::vector<std::string>{"Skins/a.rml", "Skins/b.RML"}));

    // Not installed, data files lie flat in the shell's folder, where OpenFile looks.
    found.clear();
    service.SetInstalled(false);
    service.EnumerateFiles("skins", "*.rml", collect);
    EXPECT_EQ(found, (std::vector<std::string>{"shell/flat.rml"}));

    found.clear();
    service.SetInstalled(true);
    service.EnumerateFiles("..", "*", collect);
    service.SetInstalled(false);
    service.EnumerateFiles("..", "*", collect);
    EXPECT_TRUE(found.empty());
}

TEST_F(FileServiceTest, AnAppletsFileOutlivesTheAppletsModule) {
    CSubsystem_File service(config_);
    resources::ResourceRegistry::Instance().SetApplet(Module({{"level.txt", "applet level"}}));
    CFile* file = service.OpenFile("LEVEL.txt");
    ASSERT_TRUE(file->IsOpen());
    resources::ResourceRegistry::Instance().ClearApplet();
    const auto data = file->GetData();
    EXPECT_EQ(std::string(data.begin(), data.end()), "applet level");
    service.CloseFile(file);
}

TEST_F(FileServiceTest, EnumerateGamesPrefersTheFolderNamedFile) {
    Write("shell/Games/Alpha/other.gam", "");
    Write("shell/Games/Alpha/alpha.GAM", "");
    Write("shell/Games/Beta/z.gam", "");
    Write("shell/Games/Beta/b.gam", "");
    Write("shell/Games/Empty/readme.txt", "");
    Write("shell/Games/.rvk-being-removed/alpha.gam", "");
    Write("shell/Games/loose.gam", "");
    Write("shell/top.gam", "");
    config_.installed = true;
    CSubsystem_File service(config_);
    std::vector<std::string> found;
    auto collect = [&](const std::string& name, const std::string& folder) {
        found.push_back(fs::path(folder).filename().string() + "/" + name);
    };
    service.EnumerateGames(collect);
    EXPECT_EQ(found, (std::vector<std::string>{"Alpha/alpha.GAM", "Beta/b.gam"}));

    found.clear();
    service.SetInstalled(false);
    service.EnumerateGames(collect);
    EXPECT_EQ(found, (std::vector<std::string>{"shell/top.gam"}));
}

// Sparse files: they claim their size without taking the disk.
TEST_F(FileServiceTest, EachKindOfFileIsHeldToWhatItCanNeed) {
    const auto sized = [&](const fs::path& relative, std::uintmax_t bytes) {
        Write(relative, "");
        fs::resize_file(root_ / relative, bytes);
    };
    constexpr std::uintmax_t kTerabyte = std::uintmax_t{1} << 40, kMiB = 1 << 20;
    sized("shell/level.txt", 16 * kMiB + 1);
    sized("shell/board.dat", 16 * kMiB);
    sized("shell/picture.gif", 16 * kMiB + 1);
    sized("shell/huge.gif", kTerabyte);
    sized("shell/huge.wav", kTerabyte);
    sized("shell/huge.rml", kTerabyte);
    sized("shell/huge.gam", kTerabyte);
    sized("override/pic.gif", kTerabyte);
    CSubsystem_File service(config_);
    EXPECT_EQ(Read(service, "level.txt"), "<missing>");
    EXPECT_EQ(Read(service, "board.dat").size(), 16 * kMiB);
    EXPECT_EQ(Read(service, "picture.gif").size(), 16 * kMiB + 1);
    for (const char* name : {"huge.gif", "huge.wav", "huge.rml"}) EXPECT_EQ(Read(service, name), "<missing>") << name;
    char text[8] = "x";
    EXPECT_EQ(service.LoadModuleString((root_ / "shell/huge.gam").string(), 1, text), kModuleStringMissing);
    // A refused file is passed over like a missing one.
    config_.overrideFolder = (root_ / "override").string();
    CSubsystem_File withOverride(config_);
    EXPECT_EQ(Read(withOverride, "pic.gif"), "shell");
}

TEST_F(FileServiceTest, WriteAndDeleteFiles) {
    CSubsystem_File service(config_);
    EXPECT_TRUE(service.WriteAppDataFile("System\\eid-1.txt", "first"));
    EXPECT_TRUE(service.WriteAppDataFile("System\\eid-1.txt", "second"));
    std::ifstream in(root_ / "data/System/eid-1.txt");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "second");

    Write("shell/old.txt", "x");
    EXPECT_EQ(service.DeleteShellFile("OLD.TXT"), 0);
    EXPECT_FALSE(fs::exists(root_ / "shell/old.txt"));
    EXPECT_EQ(service.DeleteShellFile("old.txt"), kFileMissing);

    Write("shell/notamodule.gam", "plain text");
    char text[8] = "x";
    EXPECT_EQ(service.LoadModuleString((root_ / "shell/notamodule.gam").string(), 3, text), kModuleStringMissing);
    EXPECT_STREQ(text, "");
}

}  // namespace
