#include <gtest/gtest.h>

#include <string>

#include "core/store/OutboxSalvage.h"
#include "core/store/RdtReader.h"
#include "core/store/RdtWriter.h"

namespace {

std::unique_ptr<RdtNode> Read(std::string_view text, const RdtParseOptions& options = {}) {
    std::unique_ptr<RdtNode> root;
    ParseRdt(text, root, options);
    return root;
}

void ExpectSameTree(const RdtNode& a, const RdtNode& b) {
    EXPECT_EQ(a.Name(), b.Name());
    EXPECT_EQ(a.Text(), b.Text()) << "in " << a.Name();
    ASSERT_EQ(a.Attrs().size(), b.Attrs().size());
    for (size_t i = 0; i < a.Attrs().size(); ++i) {
        EXPECT_EQ(a.Attrs()[i].name, b.Attrs()[i].name);
        EXPECT_EQ(a.Attrs()[i].value.value_or(""), b.Attrs()[i].value.value_or(""));
    }
    ASSERT_EQ(a.ChildCount(), b.ChildCount()) << "in " << a.Name();
    for (size_t i = 0; i < a.ChildCount(); ++i) ExpectSameTree(*a.ChildAt(i), *b.ChildAt(i));
}

TEST(RdtReader, ReadsAttributesAndTextWithLeadingBlanksDropped) {
    auto root = Read("<A x=\"1\"/>");
    ASSERT_TRUE(root);
    ASSERT_EQ(root->Attrs().size(), 1u);
    EXPECT_EQ(*root->AttrValue("X"), "1");
    EXPECT_FALSE(root->Text());

    root = Read("<A>  hello </A>");
    ASSERT_TRUE(root && root->Text());
    EXPECT_EQ(*root->Text(), "hello ");

    root = Read("<A>\r\n \t </A>");
    ASSERT_TRUE(root);
    EXPECT_FALSE(root->Text());
}

TEST(RdtReader, TextBeforeAndAfterChildrenIsKept) {
    auto root = Read("<A>head<B/></A>");
    ASSERT_TRUE(root);
    EXPECT_EQ(root->Text().value_or(""), "head");
    ASSERT_EQ(root->ChildCount(), 1u);
    EXPECT_EQ(root->ChildAt(0)->Name(), "B");

    root = Read("<A><B/>tail</A>");
    ASSERT_TRUE(root);
    EXPECT_EQ(root->Text().value_or(""), "tail");
    EXPECT_EQ(root->ChildCount(), 1u);
}

TEST(RdtReader, AnyEndTagClosesTheOpenElementAndStrayOnesAreIgnored) {
    auto root = Read("</Z><A><B></Q><C/></Whatever></A>garbage<D/>");
    ASSERT_TRUE(root);
    EXPECT_EQ(root->Name(), "A");
    ASSERT_EQ(root->ChildCount(), 2u);
    EXPECT_EQ(root->ChildAt(1)->Name(), "C");
    // The read ends when the root closes: nothing after it is taken.
    EXPECT_EQ(root->FindChild("D"), nullptr);
}

TEST(RdtReader, LegacyValuesWithAngleBracketsAndSlashesRead) {
    auto root = Read("<A v=\"a<b>c/ d\" w=\"x\"/>");
    ASSERT_TRUE(root);
    EXPECT_EQ(*root->AttrValue("v"), "a<b>c/ d");
    EXPECT_EQ(*root->AttrValue("w"), "x");
}

TEST(RdtReader, MalformedTagsEndTheReadKeepingWhatCameBefore) {
    for (const char* tail : {"<B", "<B ", "<B x", "<B x=", "<B x=\"", "<B x=\"1\"", "<B/C>", "<B x=1>",
                             "<B x =\"1\"/>", "<", "<>", "<B x=\"1\"<C/>"}) {
        const std::string text = std::string("<A><Keep/>") + tail + "<After/></A>";
        auto root = Read(text);
        ASSERT_TRUE(root) << tail;
        EXPECT_TRUE(root->FindChild("Keep")) << tail;
        EXPECT_FALSE(root->FindChild("After")) << tail;
    }
    auto root = Read("<A />");
    ASSERT_TRUE(root);
    EXPECT_TRUE(root->Attrs().empty());
}

TEST(RdtReader, DeepNestingIsCutAndHugeInputsRead) {
    std::string deep;
    for (int i = 0; i < 100000; ++i) deep += "<N>";
    auto root = Read(deep);
    ASSERT_TRUE(root);
    int depth = 1;
    for (const RdtNode* node = root.get(); node->ChildCount() > 0; node = node->ChildAt(0)) ++depth;
    EXPECT_EQ(depth, kMaxRdtDepth);

    const std::string big(100000, 'x');
    root = Read("<" + big + " " + big + "=\"" + big + "\">" + big + "</A>");
    ASSERT_TRUE(root);
    EXPECT_EQ(root->Name().size(), big.size());
    EXPECT_EQ(root->Attrs().at(0).value->size(), big.size());
    EXPECT_EQ(root->Text()->size(), big.size());
}

TEST(RdtReader, EndTagLimitStopsReading) {
    const char* text = "<RDT><Users><User><M a=\"1\"/><M a=\"2\"/><M a=\"3\" ForceConn=\"true\"/></User></Users></RDT>";
    std::unique_ptr<RdtNode> root;
    RdtParseOptions options;
    options.endTagLimit = 2;
    options.forceConnFalse = true;
    EXPECT_TRUE(ParseRdt(text, root, options));
    EXPECT_EQ(root->FindChild("Users")->FindChild("User")->ChildCount(), 2u);

    root = Read(text, RdtParseOptions{0, true});
    const RdtNode* user = root->FindChild("Users")->FindChild("User");
    ASSERT_EQ(user->ChildCount(), 3u);
    EXPECT_EQ(*user->ChildAt(2)->AttrValue("ForceConn"), "false");
    EXPECT_FALSE(ParseRdt("no elements here", root = nullptr));
}

TEST(RdtWriter, WritesThreeBlankIndentAndSkipsUnownedRecords) {
    RdtNode root("RDT");
    root.AddAttr("ver", "00.01.00.00");
    RdtNode* user = root.AddChild("User");
    user->AddChild("Email")->SetText("guest");
    user->AddChild("rls")->AddAttr("ownerid", "");
    user->ChildAt(1)->AddChild("RLSProp")->AddAttr("name", "k");
    user->AddChild("RLS");  // no attributes: kept
    EXPECT_EQ(WriteRdt(root),
              "<RDT ver=\"00.01.00.00\">\r\n"
              "   <User>\r\n"
              "      <Email>guest</Email>\r\n"
              "      <RLS/>\r\n"
              "   </User>\r\n"
              "</RDT>\r\n");
}

TEST(RdtWriter, NamesThatWouldNotReadBackAreLeftOutAndTheRestSurvives) {
    RdtNode root("RDT");
    root.AddChild("Rivlets")->AddChild("game one")->AddChild("RLSProp")->AddAttr("name", "k");
    root.AddChild("");
    root.AddChild("A\xE9");
    RdtNode* kept = root.AddChild("Shell");
    kept->AddAttr("bad name", "x");
    kept->AddAttr("a=b", "x");
    kept->AddAttr("Good", "1");
    root.AddChild("Users")->AddChild("User")->AddChild("Email")->SetText("guest");
    // A record is judged by its first written attribute, so a second write matches the first.
    RdtNode* record = root.AddChild("RLS");
    record->AddAttr("bad name", "owner");
    record->AddAttr("ownerid", "");

    const std::string written = WriteRdt(root);
    auto back = Read(written);
    EXPECT_EQ(back->FindChild("RLS"), nullptr);
    EXPECT_EQ(WriteRdt(*back), written);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->FindChild("Rivlets")->ChildCount(), 0u);
    ASSERT_EQ(back->ChildCount(), 3u);
    const RdtNode* shell = back->FindChild("Shell");
    ASSERT_EQ(shell->Attrs().size(), 1u);
    EXPECT_EQ(*shell->AttrValue("Good"), "1");
    // Everything after the left-out elements is still read.
    EXPECT_EQ(back->FindChild("Users")->FindChild("User")->FindChild("Email")->Text(), "guest");
}

TEST(RdtRoundTrip, EveryByteInValuesTextsAndLeadingWhiteSpaceComesBack) {
    std::string all;
    for (int c = 1; c <= 255; ++c) all += static_cast<char>(c);
    RdtNode root("RDT");
    root.SetText(" \t\r\nparent text\r\n ");
    root.AddAttr("all", all);
    root.AddAttr("quote", "\"<&amp;>\"");
    RdtNode* child = root.AddChild("Child");
    child->SetText(all);
    child->AddChild("Leaf")->SetText("  spaced  ");
    root.AddChild("Entity")->SetText("&#65; &lt; & &; &#999;");
    root.AddChild("Blank")->SetText(" ");

    const std::string written = WriteRdt(root);
    for (char c : written) {
        const auto u = static_cast<unsigned char>(c);
        EXPECT_TRUE(u == '\r' || u == '\n' || u == '\t' || (u >= 32 && u <= 126)) << int(u);
    }
    // Nothing the writer writes reads as damage.
    bool damage = true;
    RdtParseOptions options;
    options.passedOverDamage = &damage;
    auto back = Read(written, options);
    ASSERT_TRUE(back);
    ExpectSameTree(root, *back);
    EXPECT_FALSE(damage);
}

// Records found through the index, whatever changes the children after it was made.
TEST(RdtNode, RecordsAreFoundByKeyAsTheChildrenChange) {
    RdtNode scope("RLS");
    auto record = [&scope](const char* key, const char* value) {
        RdtNode* made = scope.AddChild("RLSProp");
        made->AddAttr("name", key);
        made->AddAttr("value", value);
        return made;
    };
    RdtNode* damaged = scope.AddChild("RLSProp");
    damaged->AddAttr("name", "Score");
    RdtNode* first = record("Score", "1");
    RdtNode* second = record("SCORE", "2");
    RdtNode* accented = record("\xC9t\xE9", "3");
    EXPECT_EQ(scope.FindRecord("RLSProp", "sCoRe"), first);
    EXPECT_EQ(scope.FindRecord("RLSProp", "\xE9T\xC9"), accented);
    EXPECT_EQ(scope.FindRecord("Other", "Score"), nullptr);

    RdtNode* later = record("Level", "4");
    EXPECT_EQ(scope.FindRecord("RLSProp", "level"), later);
    first->SetAttrValueAt(1, "10");
    EXPECT_EQ(scope.FindRecord("RLSProp", "Score"), first);
    first->SetAttrValueAt(0, "Renamed");
    EXPECT_EQ(scope.FindRecord("RLSProp", "Score"), second);
    EXPECT_EQ(scope.FindRecord("RLSProp", "renamed"), first);
    scope.RemoveChild(first);
    EXPECT_EQ(scope.FindRecord("RLSProp", "Renamed"), nullptr);
    damaged->AddAttr("value", "0");
    EXPECT_EQ(scope.FindRecord("RLSProp", "Score"), damaged);
    damaged->SetAttr("name", "Gone");
    EXPECT_EQ(scope.FindRecord("RLSProp", "Score"), second);
}

TEST(RdtRepair, DamagedBytesAndUserTagRemainsAreBlanked) {
    std::string text = "<RDT>\x01x\xE9y</User>ser>\r\n</Users>rs>";
    EXPECT_TRUE(HasDamagedBytes(text));
    BlankDamagedBytes(text);
    RepairUserTags(text);
    EXPECT_EQ(text, "<RDT> x y</User>    \r\n</Users>   ");
    EXPECT_FALSE(HasDamagedBytes(text));
}

TEST(OutboxSalvage, KeepsWholeUnescapedRequestsAndDropsCutOnes) {
    const std::string longValue(10000, 'v');
    std::string text = "\x01<Message Function=\"GetUserGUID\" Params=\"a&amp;lt;b&amp;amp;c\"/>";
    text += "<Message Function=\"RivRivlet\" Params=\"say \\\"hi\\\" " + longValue + "\"/>";
    text += "<Message Function=\"GetUserGUID\" Params=\"cut";
    const SalvagedRequests got = SalvageOutbox(text);
    ASSERT_EQ(got.getUserGuid.size(), 1u);
    EXPECT_EQ(got.getUserGuid[0], "a<b&c");
    ASSERT_EQ(got.rivRivlet.size(), 1u);
    EXPECT_EQ(got.rivRivlet[0], "say \\\"hi\\\" " + longValue);

    std::string many;
    for (int i = 0; i < 30; ++i) many += "GetUserGUID Params=\"" + std::to_string(i) + "\" ";
    EXPECT_EQ(SalvageOutbox(many).getUserGuid.size(), kMaxSalvagedRequests);
    EXPECT_TRUE(SalvageOutbox("GetUserGUID with no params").getUserGuid.empty());
}

TEST(OutboxSalvage, ParamsUnescapeMatchesWholeEntitiesOnly) {
    EXPECT_EQ(UnescapeParams("&lt;&gt;&quot;&amp;"), "<>\"&");
    EXPECT_EQ(UnescapeParams("&ax&"), "ax");
    EXPECT_EQ(UnescapeParams("&&&"), "&");
    EXPECT_EQ(UnescapeParams("&q"), "q");
}

}  // namespace
