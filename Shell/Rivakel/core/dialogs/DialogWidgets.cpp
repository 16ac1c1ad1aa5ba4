#include "core/dialogs/DialogWidgets.h"

#include <algorithm>
#include <cctype>

#include "core/base/Thunk.h"
#include "core/graphics/CSubsystem_Event.h"
#include "core/graphics/Image.h"
#include "core/graphics/SurfaceServices.h"
#include "core/text/CSubsystem_Font.h"

namespace {

constexpr int kDialogFontSize = 13;
constexpr int kCheckSize = 13;

void DrawLabel(CImage& image, const DialogFont& font, std::string_view text, int x, int y, uint32_t colour) {
    if (font.Get() == nullptr || text.empty()) return;
    image.SetFont(font.Get());
    image.SetTransparent(true);
    image.SetTextColor(colour);
    image.DrawText(text.data(), static_cast<int>(text.size()), x, y);
}

// A rounded face with a lighter top edge and a darker bottom edge, as the portal's buttons are.
void DrawButtonFace(CImage& image, int left, int width, int height, bool pressed, bool isDefault) {
    const uint32_t face = pressed ? 0xE68A00 : dialog_look::kButton;
    FillBox(image, left + 1, 1, left + width - 1, height - 1, face);
    FillBox(image, left + 2, 1, left + width - 2, 2, pressed ? 0xCC7A00 : 0xFFCC66);
    FillBox(image, left + 2, height - 2, left + width - 2, height - 1, 0xB36B00);
    image.SetCurColor(isDefault ? 0x000000 : dialog_look::kEdge);
    image.DrawLine(left + 2, 0, left + width - 2, 0);
    image.DrawLine(left + 2, height - 1, left + width - 2, height - 1);
    image.DrawLine(left, 2, left, height - 2);
    image.DrawLine(left + width - 1, 2, left + width - 1, height - 2);
    image.DrawLine(left + 1, 1, left + 2, 1);
    image.DrawLine(left + width - 2, 1, left + width - 1, 1);
    image.DrawLine(left + 1, height - 2, left + 2, height - 2);
    image.DrawLine(left + width - 2, height - 2, left + width - 1, height - 2);
    if (isDefault) FrameBox(image, left + 1, 1, left + width - 1, height - 1, 0x000000);
}

}  // namespace

DialogFont::DialogFont(bool bold) {
    if (CSubsystem_Font* fonts = CurrentSurfaceServices().fonts) {
        font_ = fonts->CreateFont("Arial", kDialogFontSize, bold ? kFontBold : 0);
    }
}

DialogFont::~DialogFont() {
    if (font_ != nullptr) font_->ReleaseInternalRef();
}

int DialogFont::LineHeight() const { return (font_ != nullptr ? font_->LineHeight() : kDialogFontSize) + dialog_look::kLineGap; }

int DialogFont::Width(std::string_view text) const {
    if (font_ == nullptr || text.empty()) return 0;
    CImage probe(nullptr, 1, 1, 0);
    TextSize size;
    probe.GetTextExtentWithFont(font_, text.data(), static_cast<int>(text.size()), size);
    return size.cx;
}

std::vector<std::string> WrapText(const DialogFont& font, std::string_view text, int width) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view paragraph = text.substr(start, end - start);
        std::string line;
        size_t at = 0;
        bool any = false;
        while (at < paragraph.size()) {
            size_t wordEnd = paragraph.find(' ', at);
            if (wordEnd == std::string_view::npos) wordEnd = paragraph.size();
            std::string_view word = paragraph.substr(at, wordEnd - at);
            std::string candidate = line.empty() ? std::string(word) : line + " " + std::string(word);
            if (!line.empty() && font.Width(candidate) > width) {
                lines.push_back(line);
                line = std::string(word);
            } else {
                line = std::move(candidate);
            }
            // A word wider than the whole line is cut where it no longer fits.
            while (line.size() > 1 && font.Width(line) > width) {
                size_t fit = line.size() - 1;
                while (fit > 1 && font.Width(std::string_view(line).substr(0, fit)) > width) --fit;
                lines.push_back(line.substr(0, fit));
                line.erase(0, fit);
            }
            any = true;
            at = wordEnd;
            // Runs of blanks (two after a full stop) stay inside a line and vanish at its end.
            while (at < paragraph.size() && paragraph[at] == ' ') {
                if (at + 1 < paragraph.size() && paragraph[at + 1] == ' ') line += ' ';
                ++at;
            }
        }
        if (any || !paragraph.empty() || end < text.size()) lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> WrapBalanced(const DialogFont& font, std::string_view text, int width) {
    std::vector<std::string> lines;
    for (size_t start = 0; start <= text.size();) {
        const size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view paragraph = text.substr(start, end - start);
        const size_t count = WrapText(font, paragraph, width).size();
        // The narrowest width that still takes no more lines.
        int narrow = 1, wide = width;
        while (count > 1 && narrow < wide) {
            const int middle = narrow + (wide - narrow) / 2;
            if (WrapText(font, paragraph, middle).size() <= count) {
                wide = middle;
            } else {
                narrow = middle + 1;
            }
        }
        for (std::string& line : WrapText(font, paragraph, wide)) lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

void DrawLines(CImage& image, const DialogFont& font, const std::vector<std::string>& lines, int x, int y,
               uint32_t colour) {
    for (const std::string& line : lines) {
        DrawLabel(image, font, line, x, y, colour);
        y += font.LineHeight();
    }
}

void FillBox(CImage& image, int left, int top, int right, int bottom, uint32_t colour) {
    image.SetCurColor(colour);
    image.FillRect(left, top, right, bottom);
}

void FrameBox(CImage& image, int left, int top, int right, int bottom, uint32_t colour) {
    image.SetCurColor(colour);
    image.FrameRect(left, top, right - 1, bottom - 1);
}

char Mnemonic::Key() const {
    if (index < 0 || static_cast<size_t>(index) >= label.size()) return 0;
    const auto letter = static_cast<unsigned char>(label[static_cast<size_t>(index)]);
    return std::isalnum(letter) ? static_cast<char>(std::toupper(letter)) : 0;
}

Mnemonic ParseMnemonic(std::string_view text) {
    Mnemonic result;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != '&' && result.index < 0) result.index = static_cast<int>(result.label.size());
        }
        result.label += text[i];
    }
    return result;
}

CDialogButton* CDialogButton::Make(CSurface* owner, void* context, EventCallback callback, int id,
                                   std::string_view text, int x, int y, int width, int height, bool isDefault,
                                   const DialogFont& font) {
    const Mnemonic mnemonic = ParseMnemonic(text);
    CImage strip(CurrentSurfaceServices().fonts, width * 2, height, CRenderTarget::kFlagColorKeyed);
    strip.ClearToColor(0xFF, 0x00, 0xFF);
    const int textWidth = font.Width(mnemonic.label);
    const int textTop = (height - (font.LineHeight() - dialog_look::kLineGap)) / 2;
    for (int frame = 0; frame < 2; ++frame) {
        const int left = frame * width;
        DrawButtonFace(strip, left, width, height, frame == 1, isDefault);
        const int tx = left + (width - textWidth) / 2 + frame;
        const int ty = textTop + frame;
        DrawLabel(strip, font, mnemonic.label, tx, ty, dialog_look::kButtonText);
        if (mnemonic.index >= 0) {
            const std::string_view label = mnemonic.label;
            const int from = tx + font.Width(label.substr(0, static_cast<size_t>(mnemonic.index)));
            const int to = tx + font.Width(label.substr(0, static_cast<size_t>(mnemonic.index) + 1));
            const int underline = ty + font.LineHeight() - dialog_look::kLineGap - 2;
            strip.SetCurColor(dialog_look::kButtonText);
            strip.DrawLine(from, underline, to, underline);
        }
    }
    return new CDialogButton(ButtonArgs{owner, context, x, y, width, height, &strip, 0, id, callback}, mnemonic.Key(),
                             isDefault);
}

CDialogCheckBox::CDialogCheckBox(CSurface* owner, int x, int y, int width, std::string_view label,
                                 const DialogFont& font)
    : CSurface(width, 1, kFlagInteractive), font_(font) {
    lines_ = WrapText(font, label, width - kCheckSize - 6);
    const int height = std::max(kCheckSize + 2, static_cast<int>(lines_.size()) * font.LineHeight());
    if (CImage* image = GetCurImage()) image->GetRenderTarget().Resize(width, height);
    SetLoc(x, y);
    if (owner != nullptr) owner->AttachSurface(this);
    Draw();
    if (CSubsystem_Event* events = EventService()) {
        click_ = events->Listen(static_cast<const CSurface*>(this), kEventClick, this, Thunk<&CDialogCheckBox::OnClick>);
    }
}

CDialogCheckBox::~CDialogCheckBox() = default;

void CDialogCheckBox::SetChecked(bool checked) {
    checked_ = checked;
    Draw();
}

int CDialogCheckBox::OnClick() {
    SetChecked(!checked_);
    return 1;
}

void CDialogCheckBox::Draw() {
    CImage* image = GetCurImage();
    if (image == nullptr) return;
    int width = 0, height = 0;
    image->GetSize(width, height);
    FillBox(*image, 0, 0, width, height, dialog_look::kBody);
    FillBox(*image, 0, 1, kCheckSize, 1 + kCheckSize, dialog_look::kField);
    FrameBox(*image, 0, 1, kCheckSize, 1 + kCheckSize, dialog_look::kEdge);
    if (checked_) {
        image->SetCurColor(0x339900);
        for (int d = 0; d < 2; ++d) {
            image->DrawLine(3, 6 + d, 5, 8 + d);
            image->DrawLine(5, 8 + d, 10, 3 + d);
        }
    }
    DrawLines(*image, font_, lines_, kCheckSize + 6, 0, dialog_look::kText);
}

CFocusRing::CFocusRing(CSurface* owner) : CSurface(1, 1, kFlagColorKeyed) {
    SetNoHit(true);
    SetVisible(false);
    if (owner != nullptr) owner->AttachSurface(this);
}

void CFocusRing::Surround(const platform::Rect& area) {
    CImage* image = GetCurImage();
    const int width = area.Width(), height = area.Height();
    if (image == nullptr || width < 2 || height < 2) {
        SetVisible(false);
        return;
    }
    Invalidate();
    image->GetRenderTarget().Resize(width, height);
    image->ClearToColor(CRenderTarget::kColorKey);
    // Every other pixel, as the desktop's focus frames are dotted.
    std::vector<ColoredPoint> dots;
    for (int x = 0; x < width; x += 2) {
        dots.push_back({x, 0, dialog_look::kFocus});
        dots.push_back({x, height - 1, dialog_look::kFocus});
    }
    for (int y = 2; y < height - 1; y += 2) {
        dots.push_back({0, y, dialog_look::kFocus});
        dots.push_back({width - 1, y, dialog_look::kFocus});
    }
    image->SetPixels(dots);
    SetLoc(area.left, area.top);
    SetVisible(true);
    Invalidate();
}

CTermsView::CTermsView(CSurface* owner, int x, int y, int width, int height, std::string_view text,
                       const DialogFont& font)
    : CSurface(width, height, 0), text_(text), font_(font) {
    lines_ = WrapText(font, text, width - kBarWidth - 8);
    SetLoc(x, y);
    if (owner != nullptr) owner->AttachSurface(this);
    Draw();
    if (CSubsystem_Event* events = EventService()) {
        down_ = events->Listen(static_cast<const CSurface*>(this), kEventLeftDown, this, Thunk<&CTermsView::OnDown>);
    }
}

CTermsView::~CTermsView() = default;

int CTermsView::VisibleLines() const {
    int width = 0, height = 0;
    GetSize(width, height);
    return std::max(1, (height - 4) / font_.LineHeight());
}

void CTermsView::Scroll(int lines) {
    const int last = std::max(0, LineCount() - VisibleLines());
    const int top = std::clamp(top_ + lines, 0, last);
    if (top == top_) return;
    top_ = top;
    Draw();
}

int CTermsView::OnDown(intptr_t* record) {
    int width = 0, height = 0;
    GetSize(width, height);
    const int x = static_cast<int>(record[2]);
    const int y = static_cast<int>(record[3]);
    if (x < width - kBarWidth) return 1;
    if (y < kBarWidth) {
        Scroll(-1);
    } else if (y >= height - kBarWidth) {
        Scroll(1);
    } else if (y < height / 2) {
        PageUp();
    } else {
        PageDown();
    }
    return 1;
}

void CTermsView::Draw() {
    CImage* image = GetCurImage();
    if (image == nullptr) return;
    int width = 0, height = 0;
    image->GetSize(width, height);
    FillBox(*image, 0, 0, width, height, dialog_look::kField);
    FrameBox(*image, 0, 0, width, height, dialog_look::kEdge);
    const int shown = VisibleLines();
    const int end = std::min(LineCount(), top_ + shown);
    const std::vector<std::string> visible(lines_.begin() + top_, lines_.begin() + end);
    DrawLines(*image, font_, visible, 4, 2, dialog_look::kText);

    // The bar: two arrows and a thumb whose place and length show the part in view.
    const int barLeft = width - kBarWidth;
    FillBox(*image, barLeft, 1, width - 1, height - 1, 0xFFE6B3);
    for (int arrow = 0; arrow < 2; ++arrow) {
        const int top = arrow == 0 ? 1 : height - kBarWidth;
        FillBox(*image, barLeft, top, width - 1, top + kBarWidth - 1, dialog_look::kButton);
        FrameBox(*image, barLeft, top, width - 1, top + kBarWidth - 1, dialog_look::kEdge);
        const int cx = barLeft + kBarWidth / 2 - 1;
        const int cy = top + kBarWidth / 2 - 1;
        std::vector<platform::Point> triangle =
            arrow == 0 ? std::vector<platform::Point>{{cx - 4, cy + 2}, {cx + 4, cy + 2}, {cx, cy - 2}}
                       : std::vector<platform::Point>{{cx - 4, cy - 2}, {cx + 4, cy - 2}, {cx, cy + 2}};
        image->SetCurColor(0x000000);
        image->GetRenderTarget().SetBackgroundColor(0, 0, 0);
        image->GetRenderTarget().DrawPolygonBackground(triangle);
    }
    const int track = height - 2 * kBarWidth - 1;
    if (LineCount() > shown && track > 8) {
        const int thumb = std::max(8, track * shown / LineCount());
        const int range = std::max(1, LineCount() - shown);
        const int thumbTop = kBarWidth + (track - thumb) * top_ / range;
        FillBox(*image, barLeft + 2, thumbTop, width - 3, thumbTop + thumb, dialog_look::kCaption);
    }
    FrameBox(*image, barLeft, 0, width, height, dialog_look::kEdge);
}
