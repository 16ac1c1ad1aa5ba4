#include "core/dialogs/DialogLayout.h"

#include <algorithm>
#include <optional>

using namespace dialog_layout;

namespace {

constexpr int kMargin = 10;
constexpr int kMoreWidth = 26;
constexpr int kMoreHeight = 18;
constexpr int kButtonHeight = 23;
constexpr int kButtonMinWidth = 75;
constexpr int kButtonGap = 8;
constexpr int kEditHeight = 22;
constexpr int kWarningSize = 32;
constexpr int kMinTermsHeight = 60;
constexpr int kMessageMinWidth = 240;
constexpr int kCheckIndent = 19;

// Dialog units of the templates' font become pixels of the kit's.
int UnitsToX(int units) { return units * 3 / 2; }
int UnitsToY(int units) { return units * 13 / 8; }

int ButtonWidth(const DialogFont& font, const DialogControl& control) {
    return std::max(kButtonMinWidth, font.Width(ParseMnemonic(control.text).label) + 2 * kMargin);
}

bool HasWarning(const DialogTemplate& description) {
    return std::any_of(description.controls.begin(), description.controls.end(),
                       [](const DialogControl& c) { return c.kind == DialogControlKind::Warning; });
}

// A message box's text: lines of its own are kept while they fit the window; one long line is
// set to the reading width. Either way a line too wide is wrapped with even lines.
int MessageTextLimit(std::string_view text, int room) {
    return text.find('\n') != std::string_view::npos ? room : std::min(room, kReadingWidth);
}

// A template's text fills the width of its box; only a last line of one word is evened out.
std::vector<std::string> WrapToBox(const DialogFont& font, std::string_view text, int width) {
    std::vector<std::string> lines = WrapText(font, text, width);
    if (lines.size() > 1 && lines.back().find(' ') == std::string::npos) return WrapBalanced(font, text, width);
    return lines;
}

class Placer {
public:
    // `textLimit`: a message box's widest line of text; none for a template's box.
    Placer(const DialogTemplate& description, const DialogFont& font, int width, std::optional<int> textLimit)
        : description_(description), font_(font), width_(width), content_(width - 2 * kMargin),
          textLimit_(textLimit) {}

    // The controls in client coordinates of that width; the client height.
    int Place(std::vector<PlacedControl>& placed) {
        int y = kMargin;
        int textIndent = 0;
        int flexIndex = -1;
        int buttonsWidth = 0;
        for (const DialogControl& control : description_.controls) {
            PlacedControl item{control, {}, {}};
            switch (control.kind) {
            case DialogControlKind::Warning:
                item.area = {kMargin, y, kMargin + kWarningSize, y + kWarningSize};
                textIndent = kWarningSize + kGap;
                break;
            case DialogControlKind::Text: {
                const int room = content_ - textIndent;
                item.lines = textLimit_ ? WrapBalanced(font_, control.text, std::min(room, *textLimit_))
                                        : WrapToBox(font_, control.text, room);
                const int height = std::max(Lines(item.lines.size()), textIndent > 0 ? kWarningSize : 0);
                item.area = {kMargin + textIndent, y, kMargin + content_, y + height};
                y += height + kGap;
                textIndent = 0;
                break;
            }
            case DialogControlKind::More: {
                item.lines = WrapToBox(font_, control.text, content_ - kMoreWidth - kGap);
                const int height = std::max(kMoreHeight, Lines(item.lines.size()));
                item.area = {kMargin, y, kMargin + kMoreWidth, y + kMoreHeight};
                y += height + kGap;
                break;
            }
            case DialogControlKind::Edit:
                item.area = {kMargin, y, kMargin + content_, y + kEditHeight};
                y += kEditHeight + kGap;
                break;
            case DialogControlKind::CheckBox: {
                const int height = std::max(15, Lines(WrapText(font_, control.text, content_ - kCheckIndent).size()));
                item.area = {kMargin, y, kMargin + content_, y + height};
                y += height + kGap;
                break;
            }
            case DialogControlKind::TermsView:
                flexIndex = static_cast<int>(placed.size());
                item.area = {kMargin, y, kMargin + content_, y};
                break;
            case DialogControlKind::Button: {
                const int buttonWidth = ButtonWidth(font_, control);
                item.area = {0, 0, buttonWidth, kButtonHeight};
                buttonsWidth += buttonWidth + (buttonsWidth > 0 ? kButtonGap : 0);
                break;
            }
            }
            placed.push_back(std::move(item));
        }
        const int needed = y + kButtonHeight + kMargin + (flexIndex >= 0 ? kMinTermsHeight + kGap : 0);
        const int clientHeight = std::max(UnitsToY(description_.heightUnits), needed);
        if (flexIndex >= 0) {
            // The terms take the slack; everything after them moves down by as much.
            const int slack = clientHeight - needed + kMinTermsHeight;
            for (size_t i = static_cast<size_t>(flexIndex); i < placed.size(); ++i) {
                PlacedControl& item = placed[i];
                if (item.control.kind == DialogControlKind::Button) continue;
                if (static_cast<int>(i) == flexIndex) {
                    item.area.bottom = item.area.top + slack;
                } else {
                    item.area.top += slack + kGap;
                    item.area.bottom += slack + kGap;
                }
            }
        }
        int x = width_ - kMargin - buttonsWidth;
        const int buttonTop = clientHeight - kMargin - kButtonHeight;
        for (PlacedControl& item : placed) {
            if (item.control.kind != DialogControlKind::Button) continue;
            const int w = item.area.Width();
            item.area = {x, buttonTop, x + w, buttonTop + kButtonHeight};
            x += w + kButtonGap;
        }
        return clientHeight;
    }

private:
    int Lines(size_t count) const { return static_cast<int>(count) * font_.LineHeight(); }

    const DialogTemplate& description_;
    const DialogFont& font_;
    int width_, content_;
    std::optional<int> textLimit_;
};

}  // namespace

DialogLayout LayOutDialog(const DialogTemplate& description, const DialogFont& font, const DialogFont& bold,
                          int windowWidth, int windowHeight) {
    int width = UnitsToX(description.widthUnits);
    std::optional<int> textLimit;
    if (description.widthUnits == 0) {
        // A message box is as wide as its text's lines and its caption.
        const int indent = HasWarning(description) ? kWarningSize + kGap : 0;
        const int room = std::max(kMessageMinWidth, windowWidth - 2 * kBorder) - 2 * kMargin - indent;
        int textWidth = bold.Width(description.caption) + 2 * kMargin - indent;
        for (const DialogControl& control : description.controls) {
            if (control.kind != DialogControlKind::Text) continue;
            const int limit = MessageTextLimit(control.text, room);
            for (const std::string& line : WrapBalanced(font, control.text, limit)) {
                textWidth = std::max(textWidth, font.Width(line));
            }
            textLimit = std::min(textLimit.value_or(limit), limit);
        }
        width = std::clamp(textWidth + 2 * kMargin + indent, kMessageMinWidth,
                           std::max(kMessageMinWidth, windowWidth - 2 * kBorder));
    }
    // The buttons' row always fits.
    int buttons = 2 * kMargin - kButtonGap;
    for (const DialogControl& control : description.controls) {
        if (control.kind == DialogControlKind::Button) buttons += ButtonWidth(font, control) + kButtonGap;
    }
    DialogLayout layout;
    layout.width = std::min(std::max(width, buttons) + 2 * kBorder, windowWidth);
    const int clientHeight = Placer(description, font, layout.width - 2 * kBorder, textLimit).Place(layout.controls);
    layout.height = std::min(clientHeight + dialog_look::kCaptionHeight + 2 * kBorder, windowHeight);
    // Client coordinates become box coordinates.
    for (PlacedControl& item : layout.controls) {
        item.area.left += kBorder;
        item.area.right += kBorder;
        item.area.top += kBorder + dialog_look::kCaptionHeight;
        item.area.bottom += kBorder + dialog_look::kCaptionHeight;
    }
    return layout;
}
