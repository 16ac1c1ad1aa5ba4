// The recipient's reading of a data mailing, on documents made as the sender makes them.
#include "frame/pages/DataMailingReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/pages/DataMailing.h"

namespace {

const mailing::MailingGame kGame{"01.02.01.0005", "{5E11A7E5-7E57-4A3E-9A3E-5E11A7E57E57}", "Shell Test Game",
                                 "01.00.00.0001"};

// What a game puts around its message: six characters before, nine after.
std::string Item(std::string_view message) { return "[mail]" + std::string(message) + "[/mailed]"; }

std::string Replace(std::string text, std::string_view from, std::string_view to) {
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

TEST(ReadMailing, ASentMailingGivesItsGameAndMessageBackWhole) {
    const std::string message = "Beat my 1200 & win|<now> 100% C:\\x \"ok\"\nBye";
    const std::optional<mailing::ReceivedMailing> read = mailing::ReadMailing(mailing::BuildDocument(kGame, Item(message)));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->gameId, "{5E11A7E5-7E57-4A3E-9A3E-5E11A7E57E57}");
    EXPECT_EQ(read->version.major, 1);
    EXPECT_EQ(read->version.build, 1);
    EXPECT_EQ(read->message, message);
}

TEST(ReadMailing, NamesInAnyCaseAndTheOpenCreatorOfOlderSenders) {
    const std::string text =
        "<rml shellver=\"1.0.0.1\"><datamailing><datamail><creator guid=\"{A}\" filename=\"G\" ver=\"02.03.04.05\">"
        "<item>[mail]hi there[/mailed]</item>";
    const std::optional<mailing::ReceivedMailing> read = mailing::ReadMailing(text);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->gameId, "{A}");
    EXPECT_EQ(read->version.number, 2030405u);
    EXPECT_EQ(read->message, "hi there");
}

TEST(ReadMailing, EachMissingPieceOrBadValueIsNoMailing) {
    const std::string good = mailing::BuildDocument(kGame, Item("x"));
    ASSERT_TRUE(mailing::ReadMailing(good));
    // Attributes of up to 127 characters, and empty ones, are read.
    EXPECT_TRUE(mailing::ReadMailing(Replace(Replace(good, "Shell Test Game", std::string(127, 'n')), kGame.id, "")));
    const std::vector<std::pair<std::string_view, std::string>> breaks = {
        {"<RML ", "<RMX "},
        {"<DATAMAILING>", "<DATAMAILINGS>"},
        {"<DATAMAIL>", "<MAIL>"},
        {"<CREATOR ", "<MAKER "},
        {"<ITEM>", "<ITEMS>"},
        {"ShellVer=", "Shell="},
        {"GUID=", "ID="},
        {"FILENAME=", "FILE="},
        {"VER=", "VERSION="},
        {"VER=\"01.00.00.0001\"", "VER=\"1.2\""},
        {"VER=\"01.00.00.0001\"", "VER=\"one.0.0.0\""},
        {"VER=\"01.00.00.0001\"", "VER=\"\""},
        {"VER=\"01.00.00.0001\"", "VER=\"01.00.00.0001234567890\""},
        {"GUID=\"{5E11A7E5-7E57-4A3E-9A3E-5E11A7E57E57}\"", "GUID"},
        {"Shell Test Game", std::string(128, 'n')},
        {"01.02.01.0005", std::string(4000, '1')},
    };
    for (const auto& [from, to] : breaks) {
        EXPECT_FALSE(mailing::ReadMailing(Replace(good, from, to))) << from << " -> " << to;
    }
    for (const std::string_view junk :
         {std::string_view(), std::string_view("\0\0\0\0", 4), std::string_view("RML DataMailing"),
          std::string_view("<RML ShellVer=\"1\"><DataMailing><DataMail><Creator GUID=\"a\" VER=\"1.1.1.1\">")}) {
        EXPECT_FALSE(mailing::ReadMailing(junk));
    }
}

TEST(ReadMailing, AnItemNoLongerThanItsHeadAndTailCarriesNoMessage) {
    const struct {
        std::string item;
        std::string message;
    } cases[] = {
        {"", ""},
        {std::string(14, 'a'), ""},
        {"123456789012345", ""},
        {"123456x123456789", "x"},
        // Escapes count as what they decode to; one cut off at the very end counts as its
        // character alone.
        {"%22%22%22aaax%0A--------%7", "x\n"},
    };
    for (const auto& c : cases) {
        const std::string text = "<RML ShellVer=\"1\"><DataMailing><DataMail><Creator GUID=\"g\" FILENAME=\"f\" "
                                 "VER=\"1.0.0.0\"><Item>" + c.item + "</Item></Creator></DataMail></DataMailing></RML>";
        const std::optional<mailing::ReceivedMailing> read = mailing::ReadMailing(text);
        ASSERT_TRUE(read) << c.item;
        EXPECT_EQ(read->message, c.message) << c.item;
    }
}

// Each prefix of a mailing sits in a buffer of exactly its size: a read past the end is caught
// by the sanitizer build. A prefix that still holds the item is read as far as it goes.
TEST(ReadMailing, EveryTruncationReadsWithinItsBytes) {
    const std::string good = mailing::BuildDocument(kGame, Item("Beat &amp; me %7C now"));
    for (size_t length = 0; length < good.size(); ++length) {
        const std::vector<char> bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(length));
        const std::optional<mailing::ReceivedMailing> read = mailing::ReadMailing({bytes.data(), bytes.size()});
        if (read) {
            EXPECT_EQ(read->gameId, kGame.id) << length;
        }
        if (length < good.find("<ITEM>")) {
            EXPECT_FALSE(read) << length;
        }
    }
}

}  // namespace
