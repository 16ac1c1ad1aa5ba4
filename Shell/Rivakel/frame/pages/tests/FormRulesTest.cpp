// The rules the forms share, the data mailing's encoding, and the choice of game rows.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/store/RdtEscape.h"
#include "frame/games/GameRecord.h"
#include "frame/pages/DataMailing.h"
#include "frame/pages/EscapeDecoder.h"
#include "frame/pages/FormRules.h"
#include "frame/pages/RowRules.h"

namespace {

using forms::Outcome;

// What the server does with a parameter: %XX back to its byte.
std::string DecodePercent(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() + 0 && isxdigit(static_cast<unsigned char>(text[i + 1])) &&
            isxdigit(static_cast<unsigned char>(text[i + 2]))) {
            out += static_cast<char>(std::stoi(std::string(text.substr(i + 1, 2)), nullptr, 16));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::vector<std::string> SplitCommas(const std::string& text) {
    std::vector<std::string> fields(1);
    for (const char c : text) {
        if (c == ',') fields.emplace_back();
        else fields.back() += c;
    }
    return fields;
}

TEST(FormRules, AddressChecksInTheirOrder) {
    struct Case {
        const char* sender;
        const char* recipients;
        int expected;
    } cases[] = {
        {"me@example.com", "you@example.com", 0},
        {"me@example.com", "a@b.c;d@e.f", 0},  // two friends, their comma already turned
        {"me@example.com", "a@b.c; d@e.f", forms::kSpaceInAddress},
        {"a@b.c;d@e.f", "you@example.com", forms::kOneSenderOnly},
        {"me@examplecom", "you@example.com", forms::kBadAddress},
        {"me@example.com", "you.example.com", forms::kBadAddress},
        {"", "", forms::kBadAddress},
        // A missing '@' in one address outranks a blank in the other.
        {"me example.com", "you@example com", forms::kBadAddress},
        {"me @example.com", "a@b.c;d@e.f", forms::kSpaceInAddress},
        {"\xE9t\xE9@exemple.fr", "you@example.com", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(forms::CheckMailForm(c.sender, c.recipients), c.expected) << c.sender << " / " << c.recipients;
    }
    EXPECT_EQ(forms::CommasToSemicolons("a@b.c,d@e.f, g@h.i"), "a@b.c;d@e.f; g@h.i");
    EXPECT_EQ(forms::CheckAddress(std::string(10000, 'a') + "@b.c"), 0);
    EXPECT_EQ(forms::CheckAddress("<b>@x.y z"), forms::kSpaceInAddress);
}

TEST(FormRules, GreetingEncodingComesBackByItsRule) {
    EXPECT_EQ(forms::EncodeGreeting("Hi there\nplay \"this\" 100%"), "Hi%20there%0Aplay%20\\\"this\\\"%20100%25");
    EXPECT_EQ(forms::EncodeGreeting("a\r\nb\rc"), "a%0Ab%0Ac");
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        std::string greeting(random() % 300, ' ');
        for (char& c : greeting) c = static_cast<char>(1 + random() % 255);
        std::string expected;
        for (size_t i = 0; i < greeting.size(); ++i) {
            if (greeting[i] == '\r' && i + 1 < greeting.size() && greeting[i + 1] == '\n') continue;
            expected += greeting[i] == '\r' ? '\n' : greeting[i];
        }
        std::string decoded = DecodePercent(forms::EncodeGreeting(greeting));
        for (size_t at = 0; (at = decoded.find("\\\"", at)) != std::string::npos; ++at) decoded.erase(at, 1);
        EXPECT_EQ(decoded, expected);
    }
}

TEST(FormRules, OnlyAnAnswerWithoutBit7IsSuccess) {
    struct Case {
        int status;
        Outcome subscribe, other;
    } cases[] = {
        {0, Outcome::Success, Outcome::Success},
        {1, Outcome::Success, Outcome::Success},
        {127, Outcome::Success, Outcome::Success},
        // Transport outcomes never carry the server's word.
        {27, Outcome::NoConnection, Outcome::NoConnection},
        {28, Outcome::NoConnection, Outcome::NoConnection},
        {29, Outcome::NoConnection, Outcome::NoConnection},
        {30, Outcome::NoConnection, Outcome::NoConnection},
        {31, Outcome::NoConnection, Outcome::NoConnection},
        {128, Outcome::NoConnection, Outcome::NoConnection},
        {131, Outcome::NoConnection, Outcome::NoConnection},
        {132, Outcome::Duplicate, Outcome::Nothing},
        {134, Outcome::Duplicate, Outcome::Nothing},
        {135, Outcome::Nothing, Outcome::Nothing},
        {255, Outcome::Nothing, Outcome::Nothing},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(forms::ReplyOutcome(c.status, true), c.subscribe) << c.status;
        EXPECT_EQ(forms::ReplyOutcome(c.status, false), c.other) << c.status;
    }
    for (int result = 0; result < 40; ++result)
        EXPECT_EQ(forms::ReplyFollows(result), result == 28 || result == 30) << result;
}

TEST(DataMailing, DocumentAndParametersAsTheRecipientReadsThem) {
    const mailing::MailingGame game{"01.00.00.0001", "", "Tom \"&\" Jerry", "1.2"};
    EXPECT_EQ(mailing::BuildDocument(game, "a<b|c"),
              "<RML ShellVer=\"01.00.00.0001\"><DATAMAILING><DATAMAIL><CREATOR "
              "GUID=\"{252D6EB8-0915-4321-91E8-EB92CA1BD1D1}\" FILENAME=\"Tom &quot;&amp;&quot; Jerry\" "
              "VER=\"1.2\"><ITEM>a&lt;b%7Cc</ITEM></DATAMAIL></DATAMAILING></RML>");
    const std::optional<std::string> params = mailing::BuildParams(game, "Hi, you", "ann+games@example.com",
                                                                   "Play with me 100%", "x");
    ASSERT_TRUE(params);
    const std::vector<std::string> fields = SplitCommas(*params);
    ASSERT_EQ(fields.size(), 5u);
    EXPECT_EQ(fields[0], mailing::kDefaultGameId);
    EXPECT_EQ(DecodePercent(fields[1]), "Hi, you");
    EXPECT_EQ(DecodePercent(fields[2]), "ann+games@example.com");
    EXPECT_EQ(DecodePercent(fields[3]), "Play with me 100%");
    EXPECT_EQ(DecodePercent(fields[4]), mailing::BuildDocument(game, "x"));
    EXPECT_FALSE(mailing::BuildParams(game, "", "", "", std::string(mailing::kMaxItem + 1, 'a')));
    EXPECT_TRUE(mailing::BuildParams(game, "", "", "", std::string(mailing::kMaxItem, 'a')));
}

// Sent, decoded by the server, read by the recipient's markup reader and its escape decoder,
// the item comes back as the game gave it.
TEST(DataMailing, ItemsComeBackWhole) {
    const mailing::MailingGame game{"01.00.00.0001", "{1}", "G", "1"};
    std::mt19937 random(11);
    std::vector<std::string> items = {"",      "%",          "%0A", "%7C%25", "a<b|c", "\"x\"", "Tom &amp; Jerry",
                                      "C:\\x\\", "\\\"", std::string(mailing::kMaxItem, 'q')};
    for (int round = 0; round < 300; ++round) {
        std::string item(random() % 200, ' ');
        for (char& c : item) c = static_cast<char>(1 + random() % 255);
        items.push_back(item);
    }
    for (const std::string& item : items) {
        const std::optional<std::string> params = mailing::BuildParams(game, "f", "r@x.y", "t", item);
        ASSERT_TRUE(params);
        const std::vector<std::string> fields = SplitCommas(*params);
        ASSERT_EQ(fields.size(), 5u);
        const std::string document = DecodePercent(fields[4]);
        const size_t open = document.find("<ITEM>"), close = document.rfind("</ITEM>");
        ASSERT_NE(open, std::string::npos);
        ASSERT_NE(close, std::string::npos);
        const std::string raw = DecodeEntities(document.substr(open + 6, close - open - 6));
        EXPECT_EQ(DecodeEscapes(raw), item);
    }
}

std::vector<RowFacts> BuiltIn() {
    std::vector<RowFacts> facts;
    for (const GameRecord& row : BuiltInGameRows()) facts.push_back({row.name, false});
    return facts;
}

TEST(RowRules, LogoRotationPassesOverTheHiddenGames) {
    const std::vector<RowFacts> table = BuiltIn();
    ASSERT_EQ(table[3].name, "DunmoroSilver");
    ASSERT_EQ(table[4].name, "Plimsey");
    ASSERT_EQ(table[5].name, "UltraHexavon");
    EXPECT_EQ(rows::NextLogo(table, 4, false), 6);
    EXPECT_EQ(rows::NextLogo(table, 3, true), 5);
    EXPECT_EQ(rows::NextLogo(table, 2, false), 4);
    for (const bool found : {false, true}) {
        int index = 0;
        for (int step = 0; step < 3 * static_cast<int>(table.size()); ++step) {
            index = rows::NextLogo(table, index, found);
            EXPECT_NE(index, 3);
            EXPECT_NE(index, found ? 4 : 5);
        }
    }
    const int last = static_cast<int>(table.size()) - 1;
    EXPECT_EQ(rows::NextLogo(table, last, false), 0);
    EXPECT_EQ(rows::NextLogo({}, 0, false), -1);
}

TEST(RowRules, FeaturedGameSkipsWhatCannotBeOffered) {
    std::vector<RowFacts> table = BuiltIn();
    EXPECT_EQ(rows::SelectFeatured(table, 3, false), 4);
    EXPECT_EQ(rows::SelectFeatured(table, 5, true), 4);
    // Down from row 4 while row 2 is to be had: row 3 is passed over.
    EXPECT_EQ(rows::StepFeatured(table, 4, true), 2);
    EXPECT_EQ(rows::StepFeatured(table, 2, false), 4);
    for (RowFacts& row : table) row.installed = true;
    EXPECT_EQ(rows::SelectFeatured(table, 0, false), static_cast<int>(table.size()) - 1);
    EXPECT_EQ(rows::SelectFeatured(table, -7, true), static_cast<int>(table.size()) - 1);
    EXPECT_EQ(rows::SelectFeatured({}, 0, false), -1);
}

TEST(RowRules, GamesToGetFiveToARow) {
    const platform::Point expected[] = {{12, 79},  {104, 79},  {196, 79},  {288, 79},  {380, 79},
                                        {12, 152}, {104, 152}, {196, 152}, {288, 152}, {380, 152},
                                        {12, 225}, {104, 225}, {196, 225}};
    for (int n = 0; n < 13; ++n) EXPECT_EQ(rows::ToGetTilePosition(n), expected[n]) << n;
}

}  // namespace
