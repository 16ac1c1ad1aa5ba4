// The Support and About pages in the running portal on the headless backend: reached from the
// navigation, links and their own buttons, and safe for any topic a link may name.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "core/graphics/HyperLink.h"
#include "core/graphics/Image.h"
#include "core/graphics/RolloverButton.h"
#include "core/outbox/COutbox.h"
#include "core/store/RdtNode.h"
#include "frame/api/MarkupEscape.h"
#include "frame/pages/info/PageText.h"
#include "frame/shell/tests/ShellSession.h"

namespace {

// Where the big skin puts the page surface.
constexpr int kPageX = 189, kPageY = 129;
constexpr uint32_t kOrange = 0xFF9900;

template <typename T>
std::vector<T*> PageChildren(const CShell& shell) {
    std::vector<T*> found;
    for (CSurface* child : shell.PageSurface()->Children())
        if (auto* typed = dynamic_cast<T*>(child)) found.push_back(typed);
    return found;
}

std::vector<intptr_t> ButtonValues(const CShell& shell) {
    std::vector<intptr_t> values;
    for (const CRolloverButton* button : PageChildren<CRolloverButton>(shell)) values.push_back(button->UserValue());
    return values;
}

std::vector<intptr_t> LinkValues(const CShell& shell) {
    std::vector<intptr_t> values;
    for (const CHyperLink* link : PageChildren<CHyperLink>(shell)) values.push_back(link->UserValue());
    return values;
}

// Every value and text in the outbox's queue, one after another.
void Collect(const RdtNode& node, std::string& out) {
    for (const RdtAttr& attr : node.Attrs()) out += attr.value.value_or("") + "\n";
    if (node.Text()) out += *node.Text() + "\n";
    for (size_t i = 0; i < node.ChildCount(); ++i) Collect(*node.ChildAt(i), out);
}

class InfoPagesTest : public ShellSession {
protected:
    void ClickChild(const CSurface& child) {
        const platform::Point at = child.AbsoluteLoc();
        int width = 0, height = 0;
        child.GetSize(width, height);
        Click(at.x + width / 2, at.y + height / 2);
    }
    void Show(const char* page, int topic) {
        TheShell().ShowPage(page, topic);
        Pump(60);
    }
    void ClickButton(intptr_t value) {
        for (CRolloverButton* button : PageChildren<CRolloverButton>(TheShell()))
            if (button->UserValue() == value) return ClickChild(*button);
        ADD_FAILURE() << "no button " << value << " on " << TheShell().CurrentPage();
    }
    void ClickLink(intptr_t value) {
        for (CHyperLink* link : PageChildren<CHyperLink>(TheShell()))
            if (link->UserValue() == value) return ClickChild(*link);
        ADD_FAILURE() << "no link " << value << " on " << TheShell().CurrentPage();
    }
    std::string QueuedMessages() const {
        std::string text;
        if (COutbox* outbox = Outbox(); outbox != nullptr && outbox->Queue().Element() != nullptr)
            Collect(*outbox->Queue().Element(), text);
        return text;
    }
    // Pixels of the page that are not the page's orange inside a rectangle of the page.
    int InkIn(int left, int top, int right, int bottom) const {
        int ink = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) ink += Pixel(kPageX + x, kPageY + y) != kOrange ? 1 : 0;
        return ink;
    }
};

TEST_F(InfoPagesTest, SupportOverviewLeadsThroughASectionAndItsQuestionsAcrossSections) {
    Start();
    Click(395, 24);
    ASSERT_EQ(TheShell().CurrentPage(), "Support");
    EXPECT_EQ(TheShell().PageTopic(), 101);
    // The overview links each section, and nothing but Main Support is a button.
    EXPECT_EQ(LinkValues(TheShell()), (std::vector<intptr_t>{102, 103, 104, 105, 106, 107, 10003}));
    EXPECT_EQ(ButtonValues(TheShell()), std::vector<intptr_t>{101});

    ClickLink(102);
    EXPECT_EQ(TheShell().PageTopic(), 102);
    ClickLink(122);
    EXPECT_EQ(TheShell().PageTopic(), 122);
    EXPECT_EQ(ButtonValues(TheShell()), (std::vector<intptr_t>{121, 130, 101}));
    ClickButton(130);
    EXPECT_EQ(TheShell().PageTopic(), 130);
    ClickButton(122);
    EXPECT_EQ(TheShell().PageTopic(), 122);
    ClickButton(101);
    EXPECT_EQ(TheShell().PageTopic(), 101);
    EXPECT_EQ(TheShell().CurrentPage(), "Support");
}

TEST_F(InfoPagesTest, FirstAndLastQuestionsGreyTheirMissingButton) {
    Start();
    Show("Support", 120);
    EXPECT_EQ(ButtonValues(TheShell()), (std::vector<intptr_t>{121, 101}));
    EXPECT_GT(InkIn(130, 320, 180, 335), 0) << "the grey Previous";
    Show("Support", 173);
    EXPECT_EQ(ButtonValues(TheShell()), (std::vector<intptr_t>{172, 101}));
    EXPECT_GT(InkIn(300, 320, 340, 335), 0) << "the grey Next";
}

// Hyperlinks in any text may name any number: those the Support page has no strings for show
// the main overview rather than empty or out-of-range strings.
TEST_F(InfoPagesTest, UnknownLinkIdsShowTheMainOverview) {
    Start();
    for (const int id : {-1, 0, 108, 123, 174, 180, 99999, INT_MAX}) {
        TheShell().OnHyperLink(id);
        EXPECT_EQ(TheShell().CurrentPage(), "Support") << id;
        EXPECT_EQ(ButtonValues(TheShell()), std::vector<intptr_t>{101}) << id;
        EXPECT_EQ(LinkValues(TheShell()).size(), 7u) << id;
    }
}

TEST_F(InfoPagesTest, TheUserFactsAnswerShowsTheSessionAndInstallState) {
    Start();
    Show("Support", 160);
    EXPECT_GT(InkIn(182, 245, 470, 258), 0) << "name";
    EXPECT_GT(InkIn(182, 261, 470, 274), 0) << "session";
    EXPECT_GT(InkIn(182, 277, 470, 290), 0) << "install state";
}

// Text from outside (a user's name) put into rich text escaped: markup characters neither change
// the look nor stop the line, as they would as they stand.
TEST_F(InfoPagesTest, EscapedTextDrawsMarkupCharactersLiterally) {
    Start();
    // A page of nothing but its (missing) header.
    Show("Blank", 0);
    EXPECT_NE(DrawPageRml(TheShell(), "<S2>x<b>&%", 20, 200), 0);
    Pump(60);
    EXPECT_EQ(InkIn(20, 195, 480, 220), 0) << "rich text refuses the ampersand";
    EXPECT_EQ(DrawPageRml(TheShell(), "<S2><c000000>" + EscapeMarkup("<b>&%"), 20, 200), 0);
    Pump(60);
    EXPECT_GT(InkIn(20, 195, 480, 220), 0);
}

TEST_F(InfoPagesTest, AboutShowsItsSealThatOpensTheSealsView) {
    Start();
    Click(490, 24);
    ASSERT_EQ(TheShell().CurrentPage(), "About");
    EXPECT_EQ(TheShell().PageTopic(), 0);
    const std::vector<intptr_t> links = LinkValues(TheShell());
    EXPECT_NE(std::find(links.begin(), links.end(), 20000), links.end());
    ASSERT_EQ(PageChildren<CRolloverButton>(TheShell()).size(), 1u);
    int x = 0, y = 0;
    PageChildren<CRolloverButton>(TheShell())[0]->GetLoc(x, y);
    EXPECT_EQ(x, 394);
    EXPECT_EQ(y, 308);
    ClickButton(0);
    EXPECT_EQ(TheShell().CurrentPage(), "About");
    EXPECT_EQ(TheShell().PageTopic(), CShell::kAboutSealsView);
    EXPECT_EQ(ButtonValues(TheShell()), (std::vector<intptr_t>{0, 1}));
    // The link back to the About page.
    ClickLink(20001);
    EXPECT_EQ(TheShell().PageTopic(), 0);
}

TEST_F(InfoPagesTest, TheVirusSealIsTrackedThroughTheOutboxAndTheCertificateSealIsNot) {
    Start();
    Show("About", CShell::kAboutSealsView);
    ClickButton(0);
    ASSERT_EQ(headless_->OpenedUrls().size(), 1u);
    EXPECT_EQ(headless_->OpenedUrls()[0], "https://www.rivakel.example/safety/virus-check");
    // No server in this test: the connection is down and the click waits in the outbox.
    EXPECT_NE(QueuedMessages().find("AdBannerClicked,{26A52249-5C78-450E-A988-B634559AF93A},0"), std::string::npos)
        << QueuedMessages();
    const std::string before = QueuedMessages();
    ClickButton(1);
    ASSERT_EQ(headless_->OpenedUrls().size(), 2u);
    EXPECT_EQ(headless_->OpenedUrls()[1], "https://www.rivakel.example/safety/certificate");
    EXPECT_EQ(QueuedMessages(), before);
}

}  // namespace
