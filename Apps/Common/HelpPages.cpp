#include "Apps/Common/HelpPages.h"

#include "Apps/Common/Applet.h"
#include "Apps/Common/CentredText.h"
#include "Apps/Common/Forwarder.h"
#include "Apps/Common/MarkupText.h"
#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Common/ResourceText.h"
#include "frame/api/IFont.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/IShellServices.h"

namespace {

constexpr int kTrademarkPoints = 10;

}  // namespace

CHelpPages::CHelpPages(CApplet& app, HelpPageStyle style) : app_(app), style_(std::move(style)) {}

int CHelpPages::Show(int index) {
    ISurface* pageArea = Globals().pageArea;
    links_.clear();
    ShellRef<IImage> page;
    pageArea->GetImage(page.Out());
    if (!page) return 0;
    page->ClearToColor(255, 153, 0);
    shown_ = index;
    if (style_.draw != nullptr) {
        style_.draw(*page);
    } else if (index >= 0 && static_cast<size_t>(index) < style_.pages.size()) {
        const HelpPage& shown = style_.pages[static_cast<size_t>(index)];
        DrawResourceText(*page, shown.resource.c_str(), kHelpTextMax, 0, 10);
        for (size_t i = 0; i < shown.links.size(); ++i) {
            const HelpLink& link = shown.links[i];
            ISurface* button = app_.MakeTextButton(pageArea, link.label.c_str(), link.x, link.y, static_cast<int>(i),
                                                   style_.linkPointSize, this, Forward<&CHelpPages::OnLink>,
                                                   style_.linkStyle);
            if (button != nullptr) links_.emplace_back(pageArea, button);
        }
    }
    DrawTrademark(*page);
    return 0;
}

int CHelpPages::OnLink(intptr_t* args) {
    if (shown_ < 0 || static_cast<size_t>(shown_) >= style_.pages.size()) return 0;
    const std::vector<HelpLink>& links = style_.pages[static_cast<size_t>(shown_)].links;
    const auto index = static_cast<size_t>(args[2]);
    if (index >= links.size()) return 0;
    const HelpLink link = links[index];
    // Showing a page drops the links, this one among them: nothing of it is touched after.
    if (link.page >= 0) return Show(link.page);
    if (!link.url.empty()) Globals().services->OpenURL(link.url.c_str());
    return 0;
}

void CHelpPages::DrawTrademark(IImage& page) {
    int x = style_.trademarkX;
    if (style_.trademarkRightAligned) {
        const ShellRef<IFont> font = ArialFont(*Globals().factory, kTrademarkPoints, false);
        std::string plain;
        MarkupTokenizer tokens(style_.trademarkLine);
        for (MarkupToken token; tokens.Next(token);)
            if (!token.isTag) plain += token.text;
        x -= TextWidth(page, font.Get(), plain) + kMarkupRunIndent;
    }
    DrawMarkupText(&page, style_.trademarkLine.c_str(), x, 0);
}
