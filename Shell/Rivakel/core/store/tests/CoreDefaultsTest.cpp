// The Core a store starts from: the default tree, and whatever a loaded file lacks of it added
// while everything the file held stays.
#include <gtest/gtest.h>

#include <string>

#include "core/store/CoreDefaults.h"
#include "core/store/RdtReader.h"
#include "core/store/RdtWriter.h"

namespace {

const CoreDefaults kDefaults{"00.01.00.00", "01.02.03.0004", "777"};

// A Core as an installed portal keeps it after some play: the guest with a game's record,
// a second user, a game-wide record and the installation's identifier.
const std::string kPlayedCore =
    "<RDT ver=\"00.01.00.00\" shellver=\"01.00.00.0001\">\r\n"
    "   <Users>\r\n"
    "      <User localid=\"0\">\r\n"
    "         <Email>guest</Email>\r\n"
    "         <RegDate>5</RegDate>\r\n"
    "         <RLS ownerid=\"{G}\">\r\n"
    "            <RLSProp name=\"Score1Name\" value=\"Ann\"/>\r\n"
    "         </RLS>\r\n"
    "      </User>\r\n"
    "      <User localid=\"1\">\r\n"
    "         <Email>bob@example.com</Email>\r\n"
    "      </User>\r\n"
    "   </Users>\r\n"
    "   <Rivlets>\r\n"
    "      <{G}/>\r\n"
    "   </Rivlets>\r\n"
    "   <Shell>\r\n"
    "      <DefaultUser localid=\"0\"/>\r\n"
    "      <ShellGUID>{12345678-1234-1234-1234-123456789ABC}</ShellGUID>\r\n"
    "   </Shell>\r\n"
    "</RDT>\r\n";

std::unique_ptr<RdtNode> Read(std::string_view text) {
    std::unique_ptr<RdtNode> root;
    ParseRdt(text, root);
    return root;
}

std::string Without(std::string text, std::string_view from, std::string_view through) {
    const size_t start = text.find(from);
    const size_t end = text.find(through, start) + through.size();
    return text.erase(start, end - start);
}

const RdtNode* Guest(const RdtNode& core) {
    const RdtNode* users = core.FindChild("Users");
    return users != nullptr ? FindUserByEmail(*users, "GUEST") : nullptr;
}

int Guests(const RdtNode& core) {
    int count = 0;
    const RdtNode* users = core.FindChild("Users");
    for (size_t i = 0; users != nullptr && i < users->ChildCount(); ++i) {
        const RdtNode* mail = users->ChildAt(i)->FindChild("Email");
        if (mail && mail->Text() == "guest") ++count;
    }
    return count;
}

TEST(CoreDefaults, AFreshCoreIsTheDefaultTree) {
    EXPECT_EQ(WriteRdt(*MakeDefaultCore(kDefaults)),
              "<RDT ver=\"00.01.00.00\" shellver=\"01.02.03.0004\">\r\n"
              "   <Users>\r\n"
              "      <User localid=\"0\">\r\n"
              "         <Email>guest</Email>\r\n"
              "         <RegDate>777</RegDate>\r\n"
              "      </User>\r\n"
              "   </Users>\r\n"
              "   <Rivlets/>\r\n"
              "   <Shell>\r\n"
              "      <DefaultUser localid=\"0\"/>\r\n"
              "   </Shell>\r\n"
              "</RDT>\r\n");
}

TEST(CoreDefaults, EachMissingPieceIsAddedOnceAndEverythingElseKept) {
    struct Case {
        std::string core;
        std::vector<std::string> added;
        std::string guestId;
    };
    const Case cases[] = {
        {kPlayedCore, {}, "0"},
        {"<RDT ver=\"00.01.00.00\"></RDT>", {"shellver", "Users", "guest User", "RegDate", "Rivlets", "Shell",
                                              "DefaultUser"}, "0"},
        {Without(kPlayedCore, "<Users>", "</Users>"), {"Users", "guest User", "RegDate"}, "0"},
        {Without(kPlayedCore, "<User localid=\"0\">", "</User>"), {"guest User", "RegDate"}, "0"},
        {Without(kPlayedCore, "<Rivlets>", "</Rivlets>"), {"Rivlets"}, "0"},
        {Without(kPlayedCore, "<Shell>", "</Shell>"), {"Shell", "DefaultUser"}, "0"},
        {Without(kPlayedCore, "<DefaultUser", "/>"), {"DefaultUser"}, "0"},
        {Without(kPlayedCore, "<RegDate>", "</RegDate>"), {"RegDate"}, "0"},
        // Bob holds localid 0: the guest takes the next one.
        {"<RDT><Users><User localid=\"0\"><Email>bob@example.com</Email></User></Users></RDT>",
         {"ver", "shellver", "guest User", "RegDate", "Rivlets", "Shell", "DefaultUser"}, "1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.core);
        auto core = Read(c.core);
        ASSERT_TRUE(core);
        const std::string held = WriteRdt(*core);
        EXPECT_EQ(CompleteCore(*core, kDefaults), c.added);
        EXPECT_TRUE(CompleteCore(*core, kDefaults).empty());
        ASSERT_TRUE(Guest(*core));
        EXPECT_EQ(Guests(*core), 1);
        EXPECT_EQ(*Guest(*core)->AttrValue("localid"), c.guestId);
        EXPECT_TRUE(Guest(*core)->FindChild("RegDate"));
        EXPECT_TRUE(core->FindChild("Rivlets"));
        ASSERT_TRUE(core->FindChild("Shell") && core->FindChild("Shell")->FindChild("DefaultUser"));
        if (c.added.empty()) {
            EXPECT_EQ(WriteRdt(*core), held);
        }
    }
    // What the file held stays, whatever was added beside it.
    auto core = Read(Without(kPlayedCore, "<Shell>", "</Shell>"));
    CompleteCore(*core, kDefaults);
    const std::string written = WriteRdt(*core);
    for (const char* kept : {"<RLSProp name=\"Score1Name\" value=\"Ann\"/>", "<Email>bob@example.com</Email>",
                             "<RegDate>5</RegDate>", "<{G}/>", "shellver=\"01.00.00.0001\""}) {
        EXPECT_NE(written.find(kept), std::string::npos) << kept;
    }
}

TEST(CoreDefaults, ACoreCutAnywhereInsideUsersKeepsWhatWasReadAndGainsOneGuest) {
    const size_t from = kPlayedCore.find("<Users>");
    const size_t to = kPlayedCore.find("</Users>") + 8;
    const std::string annRecord = "<RLSProp name=\"Score1Name\" value=\"Ann\"/>";
    for (size_t cut = from; cut <= to; ++cut) {
        const std::string prefix = kPlayedCore.substr(0, cut);
        SCOPED_TRACE(prefix);
        auto core = Read(prefix);
        ASSERT_TRUE(core);
        CompleteCore(*core, kDefaults);
        EXPECT_TRUE(CompleteCore(*core, kDefaults).empty());
        EXPECT_EQ(Guests(*core), 1);
        ASSERT_TRUE(core->FindChild("Shell") && core->FindChild("Shell")->FindChild("DefaultUser"));
        EXPECT_TRUE(core->FindChild("Rivlets"));
        const std::string written = WriteRdt(*core);
        if (prefix.find(annRecord) != std::string::npos) {
            EXPECT_NE(written.find(annRecord), std::string::npos);
        }
        if (prefix.find("bob@example.com</Email>") != std::string::npos) {
            EXPECT_NE(written.find("<Email>bob@example.com</Email>"), std::string::npos);
        }
        // Read back, the completed file is whole: nothing is missing any more.
        auto again = Read(written);
        ASSERT_TRUE(again);
        EXPECT_TRUE(CompleteCore(*again, kDefaults).empty());
    }
}

}  // namespace
