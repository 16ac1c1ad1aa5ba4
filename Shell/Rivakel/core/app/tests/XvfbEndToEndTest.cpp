// The real program under a private X server (see RivakelUnderXvfb.sh).
#include <gtest/gtest.h>

#include <cstdlib>
#include <system_error>
#include <filesystem>
#include <string>

namespace {

TEST(XvfbEndToEnd, SplashMainWindowSecondStartAndClose) {
    // The program is built beside this test; the script lies beside this file.
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) GTEST_SKIP() << "cannot find the test's own folder";
    const std::filesystem::path program = self.parent_path() / "rivakel";
    if (!std::filesystem::exists(program)) GTEST_SKIP() << "no program at " << program;
    const std::string script = std::string(RIVAKEL_SOURCE_DIR) + "/Shell/Rivakel/core/app/tests/RivakelUnderXvfb.sh";
    const int status = std::system(("bash '" + script + "' '" + program.string() + "'").c_str());
    ASSERT_NE(status, -1);
    ASSERT_TRUE(WIFEXITED(status)) << "the script was ended by a signal";
    const int code = WEXITSTATUS(status);
    if (code == 77) GTEST_SKIP() << "no X server or program";
    EXPECT_EQ(code, 0);
}

}  // namespace
