#include <gtest/gtest.h>

#include <string>

#include "core/store/Base64.h"
#include "core/store/MarkupDoc.h"
#include "core/store/RdtReader.h"
#include "core/store/RdtWriter.h"

namespace {

// Compares a markup element with a store element: names, attributes, texts, children.
void ExpectSame(const CMarkupNode& m, const RdtNode& r) {
    EXPECT_EQ(m.Name(), r.Name());
    const std::string mText = m.Value() ? m.Value()->GetText() : std::string();
    EXPECT_EQ(mText, r.Text().value_or("")) << "in " << r.Name();
    ASSERT_EQ(m.AttributeCount(), r.Attrs().size());
    for (size_t i = 0; i < m.AttributeCount(); ++i) {
        EXPECT_EQ(m.AttributeAt(i)->Name(), r.Attrs()[i].name);
        EXPECT_EQ(m.AttributeAt(i)->Value().value_or(""), r.Attrs()[i].value.value_or(""));
    }
    ASSERT_EQ(m.ChildCount(), r.ChildCount());
    for (size_t i = 0; i < m.ChildCount(); ++i) ExpectSame(*m.ChildAt(i), *r.ChildAt(i));
}

std::string AllBytes() {
    std::string all;
    for (int c = 1; c <= 255; ++c) all += static_cast<char>(c);
    return all;
}

TEST(MarkupDoc, SerializesWithTwoBlankIndentAndTheStoreReadsIt) {
    CMarkupDoc doc;
    CMarkupNode* root = doc.GetOrAddChild("RDT");
    root->AddAttribute("ver", "1");
    CMarkupNode* banner = root->GetOrAddChildWithAttr("Banner", "id", "7");
    banner->SetValue(CMarkupValue(CMarkupValue::kText, AllBytes()));
    root->GetOrAddChild("Empty");
    root->SetValue(CMarkupValue(CMarkupValue::kText, "  lead <&> "));

    const std::string text = doc.Serialize();
    EXPECT_EQ(text.rfind("<RDT ver=\"1\">&#32;&#32;lead &lt;&amp;&gt;&#32;\r\n", 0), 0u);
    EXPECT_NE(text.find("\r\n  <Empty/>\r\n"), std::string::npos);

    std::unique_ptr<RdtNode> read;
    ASSERT_TRUE(ParseRdt(text, read));
    ExpectSame(*root, *read);
}

TEST(MarkupDoc, ReadsTheStoreWriterOutput) {
    RdtNode root("RDT");
    root.AddAttr("q", "\"quoted\" & <angled>");
    root.AddChild("Users")->AddChild("User")->AddChild("Email")->SetText(AllBytes());
    root.AddChild("Shell")->SetText("\r\n");

    CMarkupDoc doc;
    EXPECT_TRUE(doc.Parse(WriteRdt(root), true));
    EXPECT_EQ(doc.GetState(), CMarkupDoc::kHoldsElements);
    ASSERT_EQ(doc.ChildCount(), 1u);
    ExpectSame(*doc.ChildAt(0), root);
}

TEST(MarkupDoc, ParsesInStepsAndRefusesASecondParseMeanwhile) {
    CMarkupDoc doc;
    EXPECT_FALSE(doc.Parse("<L><M/><M/><M/></L>", false));
    EXPECT_EQ(doc.GetState(), CMarkupDoc::kParsing);
    EXPECT_FALSE(doc.Parse("<X/>", true));
    EXPECT_TRUE(doc.ParseSome(2));
    EXPECT_EQ(doc.ChildAt(0)->ChildCount(), 2u);
    EXPECT_TRUE(doc.ParseSome(1));
    EXPECT_EQ(doc.ChildAt(0)->ChildCount(), 3u);
    EXPECT_TRUE(doc.ParseSome(-1));
    EXPECT_EQ(doc.GetState(), CMarkupDoc::kHoldsElements);
    EXPECT_FALSE(doc.ParseSome(-1));

    CMarkupDoc empty;
    EXPECT_TRUE(empty.Parse("</Z></Z>just text", true));
    EXPECT_EQ(empty.GetState(), CMarkupDoc::kEmpty);
}

TEST(MarkupDoc, StrayEndTagsDoNotLoseTheTreeAndDepthIsBounded) {
    CMarkupDoc doc;
    std::string text = "<A></A></A></A><B/>";
    for (int i = 0; i < 50000; ++i) text += "<N>";
    doc.Parse(text, true);
    ASSERT_EQ(doc.ChildCount(), 3u);
    EXPECT_EQ(doc.ChildAt(1)->Name(), "B");
}

TEST(MarkupNode, FindNextWalksMatchesThenEnds) {
    CMarkupDoc doc;
    doc.Parse("<I k=\"a\"/><J/><I k=\"B\"/><I/>", true);
    EXPECT_EQ(doc.SetSearch("i", "K", std::nullopt), doc.ChildAt(0));
    EXPECT_EQ(doc.FindNext(false), doc.ChildAt(2));
    EXPECT_EQ(doc.FindNext(false), nullptr);
    EXPECT_EQ(doc.FindNext(false), nullptr);
    EXPECT_EQ(doc.SetSearch("I", "k", "b"), doc.ChildAt(2));
    EXPECT_EQ(doc.FindNext(true), doc.ChildAt(2));
    EXPECT_EQ(doc.SetSearch(std::nullopt, std::nullopt, std::nullopt), nullptr);
    CMarkupNode* added = doc.GetOrAddChildWithAttr("I", "k", "c");
    EXPECT_EQ(doc.ChildCount(), 5u);
    EXPECT_EQ(doc.GetOrAddChildWithAttr("I", "K", "C"), added);
}

TEST(MarkupNode, AddingAnElementBelowItselfIsRefused) {
    CMarkupDoc doc;
    CMarkupNode* a = doc.GetOrAddChild("A");
    CMarkupNode* b = a->GetOrAddChild("B");
    b->AddChild(a);
    b->AddChild(b);
    b->AddChild(&doc);
    EXPECT_EQ(b->ChildCount(), 0u);
    EXPECT_EQ(a->Parent(), &doc);
    EXPECT_EQ(doc.Serialize(), "<A>\r\n  <B/>\r\n</A>\r\n");
}

TEST(MarkupDoc, NamesThatWouldNotReadBackAreLeftOut) {
    CMarkupDoc doc;
    CMarkupNode* root = doc.GetOrAddChild("R");
    root->GetOrAddChild("has blank")->GetOrAddChild("Inner");
    root->AddAttribute("x=\"", "v");
    root->AddAttribute("ok", "v");
    root->GetOrAddChild("After")->SetValue(CMarkupValue(CMarkupValue::kText, "t"));
    CMarkupDoc back;
    back.Parse(doc.Serialize(), true);
    ASSERT_EQ(back.ChildCount(), 1u);
    const CMarkupNode* read = back.ChildAt(0);
    ASSERT_EQ(read->AttributeCount(), 1u);
    EXPECT_EQ(read->AttributeAt(0)->Name(), "ok");
    ASSERT_EQ(read->ChildCount(), 1u);
    EXPECT_EQ(read->ChildAt(0)->Value()->GetText(), "t");

    CMarkupDoc lone;
    lone.GetOrAddChild("P")->GetOrAddChild("<bad>");
    EXPECT_EQ(lone.Serialize(), "<P/>\r\n");
}

TEST(MarkupNode, RemovedChildHeldElsewhereOutlivesItsParent) {
    auto* doc = new CMarkupDoc;
    doc->AddInternalRef();
    CMarkupNode* child = doc->GetOrAddChild("C");
    child->AddInterfaceRef();
    doc->ReleaseInternalRef();
    EXPECT_EQ(child->Parent(), nullptr);
    EXPECT_EQ(child->ReleaseInterfaceRef(), 0);
}

TEST(MarkupAttr, GetValueIsBoundedByTheCallersBuffer) {
    CMarkupAttr attr("n", "0123456789");
    char small[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(attr.GetValue(small), 3u);
    EXPECT_STREQ(small, "012");
    attr.SetValue(std::nullopt);
    EXPECT_EQ(attr.GetValue(small), 0u);
    EXPECT_STREQ(small, "");
}

TEST(MarkupValue, BinaryTextIsMadeOnceAndDecodesBack) {
    const CMarkupValue binary(CMarkupValue::kBinary, std::string("\x00\xFF\x10", 3));
    const std::string& text = binary.GetText();
    EXPECT_EQ(&text, &binary.GetText());
    EXPECT_EQ(text, "AP8Q");
    auto encoded = binary.EncodeBase64();
    EXPECT_EQ(encoded->GetKind(), CMarkupValue::kBase64);
    auto decoded = encoded->DecodeBase64();
    EXPECT_EQ(decoded->GetKind(), CMarkupValue::kBinary);
    EXPECT_EQ(decoded->GetData(), binary.GetData());
    EXPECT_EQ(CMarkupValue(CMarkupValue::kText, "abc").EncodeBase64()->GetKind(), CMarkupValue::kEmpty);
    EXPECT_EQ(CMarkupValue(CMarkupValue::kText, "a=bc").DecodeBase64()->GetKind(), CMarkupValue::kEmpty);
}

std::string Decoded(CBase64& coder) {
    const auto bytes = coder.GetDecoded();
    return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

TEST(Base64, KnownVectorsAndWhiteSpace) {
    CBase64 coder;
    coder.EncodeText("abc");
    EXPECT_EQ(coder.GetEncoded(), "YWJj");
    coder.EncodeText("a");
    EXPECT_EQ(coder.GetEncoded(), "YQ==");
    coder.EncodeText("ab");
    EXPECT_EQ(coder.GetEncoded(), "YWI=");
    coder.EncodeText("");
    EXPECT_EQ(coder.GetEncoded(), "");
    ASSERT_TRUE(coder.DecodeText("YW Jj"));
    EXPECT_EQ(Decoded(coder), "abc");
    ASSERT_TRUE(coder.DecodeText("\aY\tQ\r\n=\v=\f "));
    EXPECT_EQ(Decoded(coder), "a");
    ASSERT_TRUE(coder.DecodeText(""));
    EXPECT_EQ(Decoded(coder), "");
}

TEST(Base64, RejectsMalformedInput) {
    CBase64 coder;
    for (const char* bad : {"Y", "YW", "YWJ", "YWJjY", "YW-j", "YW_j", "YQ==YWJj", "Y===", "====", "YW=j", "YWJ\x80"}) {
        EXPECT_FALSE(coder.DecodeText(bad)) << bad;
        EXPECT_TRUE(coder.GetDecoded().empty()) << bad;
    }
}

TEST(Base64, EveryLengthRoundTrips) {
    std::string bytes;
    CBase64 coder;
    for (int n = 0; n <= 1024; ++n) {
        coder.EncodeText(bytes);
        ASSERT_EQ(coder.GetEncoded().size(), static_cast<size_t>((n + 2) / 3 * 4));
        const std::string encoded(coder.GetEncoded());
        ASSERT_TRUE(coder.DecodeText(encoded));
        ASSERT_EQ(Decoded(coder), bytes) << n;
        bytes += static_cast<char>(n * 37 + 11);
    }
}

}  // namespace
