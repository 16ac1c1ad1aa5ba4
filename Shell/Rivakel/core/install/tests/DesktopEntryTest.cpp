#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "core/install/DesktopEntry.h"
#include "core/install/DesktopIntegration.h"
#include "core/install/tests/InstallTestHome.h"

namespace {

TEST(DesktopEntry, ExecArgumentsAreQuotedWhereTheyMustBeAndEscapedTwice) {
    struct Case {
        std::string path;
        std::string written;
    } cases[] = {
        // A plain path stays bare: the generic opener takes quotes for part of the program's name.
        {"/opt/Rivakel-2.1/riv_akel", "/opt/Rivakel-2.1/riv_akel"},
        {"/opt/100%/r", "/opt/100%%/r"},
        {"/home/a b/rivakel", R"("/home/a b/rivakel")"},
        {"/home/a'b/r", R"("/home/a'b/r")"},
        // A quote, a backquote and a dollar take one backslash, written doubled in the entry.
        {"/x\"y`z$w/r", R"("/x\\"y\\`z\\$w/r")"},
        // A backslash takes one, and each of the two is written doubled.
        {"/a\\b/r", R"("/a\\\\b/r")"},
    };
    for (const Case& c : cases) EXPECT_EQ(QuoteExecArgument(c.path), c.written) << c.path;
    EXPECT_EQ(QuoteExecArgument("/a\nb"), std::nullopt);
    EXPECT_EQ(QuoteExecArgument(""), std::nullopt);
}

TEST(DesktopEntry, TheIconBecomesAnXpmPictureWithItsKeyTransparent) {
    const std::vector<uint32_t> pixels = {0xFF00FF, 0x333399, 0x333399, 0xFFFFCC};
    const std::string xpm = XpmPicture(pixels, 2, 2, 0xFF00FF);
    EXPECT_TRUE(xpm.starts_with("/* XPM */\n"));
    EXPECT_NE(xpm.find("\"2 2 3 2\""), std::string::npos);
    EXPECT_NE(xpm.find(" c None\""), std::string::npos);
    EXPECT_NE(xpm.find(" c #333399\""), std::string::npos);
    EXPECT_NE(xpm.find(" c #FFFFCC\""), std::string::npos);
    EXPECT_EQ(XpmPicture(pixels, 3, 3, 0xFF00FF), "") << "fewer pixels than the size names";
}

// The desktop's own checker, where it is installed.
std::optional<int> Validate(const std::string& path) {
    if (!platform::FindProgram("desktop-file-validate")) return std::nullopt;
    const std::vector<std::string> args{path};
    return platform::RunProgram("desktop-file-validate", args, 20000);
}

TEST(DesktopIntegration, EntriesForAnAwkwardFolderPassTheDesktopsChecker) {
    InstallTestHome home;
    InstallFolders folders = home.Folders();
    folders.dataRoot = home.Path("da ta \"$x` 100% \\");
    const DesktopSetup setup{folders, {1, 1, {0x333399}}, false};
    ASSERT_TRUE(RegisterRmlType(setup));
    ASSERT_TRUE(WriteShortcuts(setup));
    for (const std::string& path : {ShortcutPath(folders), DesktopShortcutPath(folders), AssociationPath(folders)}) {
        const auto status = Validate(path);
        if (!status) GTEST_SKIP() << "desktop-file-validate is not installed";
        EXPECT_EQ(status, 0) << InstallTestHome::Read(path);
    }
    EXPECT_NE(InstallTestHome::Read(ShortcutPath(folders)).find("Comment=A Whole Lotta Fun!\n"), std::string::npos);
    EXPECT_NE(InstallTestHome::Read(AssociationPath(folders)).find("MimeType=application/x-rivakel-rml;\n"),
              std::string::npos);
}

std::string Output(const std::string& command) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
    std::string out;
    char buffer[256];
    while (pipe && std::fgets(buffer, sizeof buffer, pipe.get())) out += buffer;
    return out;
}

TEST(DesktopIntegration, TheDesktopsToolsLearnTheRmlTypeAndItsProgram) {
    for (const char* tool : {"update-mime-database", "update-desktop-database", "xdg-mime"})
        if (!platform::FindProgram(tool)) GTEST_SKIP() << tool << " is not installed";
    InstallTestHome home;
    // The tools read the same variables the shell's folders come from.
    ::setenv("XDG_DATA_HOME", home.Folders().dataRoot.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", home.Path("config").c_str(), 1);
    ::setenv("XDG_DATA_DIRS", home.Path("none").c_str(), 1);
    const DesktopSetup setup{home.Folders(), {}, true};
    const bool registered = RegisterRmlType(setup);
    const std::string handler = Output("xdg-mime query default application/x-rivakel-rml 2>/dev/null");
    ::unsetenv("XDG_DATA_HOME");
    ::unsetenv("XDG_CONFIG_HOME");
    ::unsetenv("XDG_DATA_DIRS");
    EXPECT_TRUE(registered);
    EXPECT_NE(InstallTestHome::Read(home.Path("data/mime/globs2")).find("application/x-rivakel-rml:*.rml"),
              std::string::npos);
    EXPECT_EQ(handler, "Rivakel.RML.1.desktop\n");
}

}  // namespace
