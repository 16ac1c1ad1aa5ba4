#include "frame/pages/info/SupportPage.h"

#include <algorithm>
#include <array>
#include <functional>
#include <string>

#include "core/dialogs/DialogEnvironment.h"
#include "core/graphics/Image.h"
#include "frame/api/MarkupEscape.h"
#include "frame/games/FramedBox.h"
#include "frame/pages/info/PageText.h"
#include "frame/pages/info/SupportTopics.h"
#include "frame/shell/Shell.h"

namespace {

constexpr size_t kMaxTitle = 255;
constexpr size_t kMaxBody = 4095;
constexpr int kTitleRight = 476;
constexpr platform::Rect kTextBox{15, 85, 470, 305};
constexpr int kAnswerLeft = 35, kAnswerTop = 110;
constexpr int kButtonY = 320;
constexpr uint32_t kButtonGround = 0xFF9900, kButtonText = 0x000000, kButtonHot = 0x0000FF;

int OnTopicButton(intptr_t* record) {
    reinterpret_cast<CShell*>(record[0])->ShowSupportPage(static_cast<int>(record[2]));
    return 1;
}

void TopicButton(CShell& shell, CSurface& page, std::string_view label, int x, int topic) {
    shell.MakeTextButton(&page, label, x, kButtonY, topic, 12, kButtonGround, kButtonText, kButtonHot, &shell,
                         OnTopicButton);
}

// Previous or Next: a button to `topic`, or the label greyed where there is none.
void NavigationButton(CShell& shell, CSurface& page, std::string_view label, int x, int topic) {
    if (topic != 0) {
        TopicButton(shell, page, label, x, topic);
        return;
    }
    DrawPageRml(shell, "<S3><B><c666666>" + std::string(label) + "</b>", x, kButtonY);
}

void DrawTitle(CShell& shell, const std::string& title) {
    const std::string markup = "<s2><cffffcc><b>" + title;
    DrawPageRml(shell, markup, std::max(kTitleRight - RmlWidth(markup), 12), 57);
}

// A fact too wide for the text box (a session identifier, a long name) is drawn a size smaller,
// down to the smallest, so that it stays clear of the scroll bar.
void DrawUserFact(CShell& shell, std::string_view fact, int y) {
    constexpr int kFactLeft = 182;
    constexpr std::array<const char*, 3> kStyles{"<S2><c000000>", "<S3><c000000>", "<S4><c000000>"};
    const std::string shown = EscapeMarkup(fact);
    std::string markup = kStyles.back() + shown;
    for (const char* bigger : kStyles) {
        if (kFactLeft + RmlWidth(bigger + shown) > kTextBox.right) continue;
        markup = bigger + shown;
        break;
    }
    DrawPageRml(shell, markup, kFactLeft, y);
}

// The user's own facts beside the answer that tells what they are.
void DrawUserFacts(CShell& shell) {
    const std::string guid = shell.GetSessionGUID();
    const std::function<bool()>& installed = CurrentDialogEnvironment().installed;
    DrawUserFact(shell, shell.UserName(), 245);
    DrawUserFact(shell, guid.empty() ? "None" : guid, 261);
    DrawUserFact(shell, installed && installed() ? "Installed" : "Not Installed", 277);
}

void DrawHelpFooter(CShell& shell) {
    shell.DrawPageImage("img-gotowebdude-29x30.gif", 12, 363);
    DrawPageRml(shell, "<b><c000000><S2><A10003>Get More Help on the Rivakel Web Site...</a></b>", 43, 367);
    DrawPageRml(shell, "<S3><c000000>For more information not covered here, please visit the Support section of our",
                45, 388);
    DrawPageRml(shell, "<S3><c000000>web site by clicking on the above link.", 45, 400);
}

}  // namespace

void CSupportPage::Show(CShell& shell, CSurface& page) {
    CImage* image = page.GetCurImage();
    if (image == nullptr) return;
    const SupportTopic topic = ResolveSupportTopic(shell.PageTopic());
    shell.PlayClick();
    DrawFramedBox(*image, FramedBox{6, 55, 486, 260, "txt-need_help-119x14.gif", true, false});
    DrawPictureFrame(*image, "asl-btn-scroll_up-22x22.gif", 2, 470, 71);
    DrawPictureFrame(*image, "asl-btn-scroll_dn-22x22.gif", 2, 470, 294);
    DrawTitle(shell, ShellString(topic.titleId, kMaxTitle));

    platform::Rect box = kTextBox;
    if (topic.IsQuestion()) {
        DrawPageRml(shell, "<S2><C000000><b>" + ShellString(topic.questionId, kMaxTitle), box.left, box.top, box);
        DrawPageRml(shell, "<S2><C000000>A:</b>", box.left, kAnswerTop, box);
        box.left = kAnswerLeft;
        box.top = kAnswerTop;
    }
    DrawPageRml(shell, "<C000000></b><s3>" + ShellString(topic.bodyId, kMaxBody), box.left, box.top, box);
    if (topic.topic == support_topic::kUserFacts) DrawUserFacts(shell);
    DrawHelpFooter(shell);

    if (topic.IsQuestion()) {
        NavigationButton(shell, page, "Previous", 130, topic.previous);
        NavigationButton(shell, page, "Next", 300, topic.next);
    }
    TopicButton(shell, page, "Main Support", 200, support_topic::kMain);
}
