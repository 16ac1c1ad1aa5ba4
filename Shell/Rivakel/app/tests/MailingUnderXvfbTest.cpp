// The installed program opening data mailings from the desktop (see MailingUnderXvfb.sh).
#include "app/tests/XvfbScript.h"

namespace {

TEST(MailingUnderXvfb, OpenedMailingsStartTheirGameHandOverOrSayTheyCannotOpen) {
    std::string skip;
    const auto code =
        RunXvfbScript("MailingUnderXvfb.sh", {"testgames", "../../Tools/portalserver/rivakel_portalserver"}, skip);
    if (!code) RIVAKEL_REAL_WINDOW_MISSING(skip);
    EXPECT_EQ(code, 0);
}

}  // namespace
