#include "core/graphics/RmlRenderer.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/base/HexText.h"
#include "core/base/Log.h"
#include "core/graphics/Image.h"
#include "core/graphics/RmlSplitter.h"
#include "core/graphics/SurfaceServices.h"
#include "core/text/CSubsystem_Font.h"

namespace {

// Point sizes of the size steps 0 to 5.
constexpr std::array<int, 6> kSizes = {24, 18, 14, 12, 10, 8};
constexpr size_t kMaxFaceLength = 31;
constexpr size_t kMaxLinkDigits = 5;
// Positions stay this close to the origin, so a position plus any width fits in 64 bits and the
// result, clamped again, in an int.
constexpr int64_t kCoordLimit = int64_t{1} << 28;

int ClampCoord(int64_t value) { return static_cast<int>(std::clamp(value, -kCoordLimit, kCoordLimit)); }

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Cumulative advances of one run in one font: any slice's width without measuring it again, and
// the longest slice that fits by binary search (advances are never negative, so widths only grow).
class RunMetrics {
public:
    RunMetrics(platform::Font& font, std::string_view text) : prefix_(text.size() + 1, 0) {
        for (size_t i = 0; i < text.size(); ++i) {
            prefix_[i + 1] = prefix_[i] + std::max(0, font.GetGlyph(static_cast<uint8_t>(text[i])).advance);
        }
    }
    int64_t Width(size_t from, size_t to) const { return prefix_[to] - prefix_[from]; }
    // The greatest n <= limit such that the n characters from `from` are at most `room` wide.
    size_t FitCount(size_t from, size_t limit, int64_t room) const {
        if (room < 0) return 0;
        const auto first = prefix_.begin() + static_cast<std::ptrdiff_t>(from) + 1;
        const auto last = first + static_cast<std::ptrdiff_t>(limit);
        return static_cast<size_t>(std::upper_bound(first, last, prefix_[from] + room) - first);
    }

private:
    std::vector<int64_t> prefix_;
};

class RmlLayout {
public:
    RmlLayout(CImage& image, CSubsystem_Font* fonts, int x, int y, const platform::Rect& box,
              IRmlLinkFactory* links, bool plain)
        : image_(image), fonts_(fonts), links_(links), plain_(plain), left_(ClampCoord(box.left)),
          right_(ClampCoord(box.right)), x_(ClampCoord(x)), y_(ClampCoord(y)) {
        const platform::Rect& limit = CImage::kTextClip;
        clip_ = {std::max(box.left, limit.left), std::max(box.top, limit.top), std::min(box.right, limit.right),
                 std::min(box.bottom, limit.bottom)};
    }

    void Text(std::string_view run);
    void Tag(std::string_view body);

private:
    bool Centring() const { return image_.rmlFlags[0] != 0; }
    bool Shadow() const { return image_.rmlFlags[1] != 0; }
    void Wrap(std::string_view text, const RunMetrics& metrics);
    void Ellipsis(std::string_view text, const RunMetrics& metrics);
    // Draws one piece, or makes it a link when a label is open and links can be made.
    void Piece(int64_t x, std::string_view piece, int64_t width, bool linkable);
    void DrawString(int64_t x, std::string_view piece);
    void MakeLink(int64_t x, std::string_view piece, int64_t width);
    void LineBreak();
    void Paragraph();
    void SetStyleBit(int bit, bool on);
    void ChangeFont(std::string face, int size, int style);
    void SizeTag(std::string_view args);
    void ColourTag(std::string_view args);
    void LinkTag(std::string_view args, bool closing);

    CImage& image_;
    CSubsystem_Font* fonts_;
    IRmlLinkFactory* links_;
    bool plain_;  // text without markup: an '&' is only itself
    int left_, right_;
    platform::Rect clip_;
    int x_, y_;
    bool lineStart_ = true;  // nothing drawn on this line yet
    bool linkOpen_ = false;
    // Kept here, not only in the program-wide number: a link draws its label through the
    // renderer, which starts that number afresh.
    int link_ = -1;
    bool ellipsis_ = false;
    bool noWrap_ = false;
};

void RmlLayout::Text(std::string_view run) {
    CFont* font = image_.GetFont();
    if (font == nullptr) return;
    // A line end right after a tag only lays out the source; any other parts words.
    const size_t first = run.find_first_not_of("\r\n");
    if (first == std::string_view::npos) return;
    std::string text = plain_ ? std::string(run.substr(first)) : ReadRmlEntities(run.substr(first));
    std::replace_if(text.begin(), text.end(), IsRmlBlank, ' ');
    const RunMetrics metrics(font->PlatformFont(), text);
    const int64_t width = metrics.Width(0, text.size());
    image_.SetRmlState(std::max(image_.RmlState(), font->PlatformFont().Metrics().height));

    if (x_ + width <= right_) {
        const int64_t at = Centring() ? left_ + (int64_t{right_} - left_ - width) / 2 : x_;
        Piece(at, text, width, true);
        x_ = ClampCoord(at + width);
        return;
    }
    if (ellipsis_ && x_ < right_) {
        Ellipsis(text, metrics);
        return;
    }
    if (noWrap_ && x_ < right_) {
        const int64_t at = x_ + font->BlankWidth();
        Piece(at, text, width, true);
        x_ = ClampCoord(at + width);
        return;
    }
    Wrap(text, metrics);
}

void RmlLayout::Wrap(std::string_view text, const RunMetrics& metrics) {
    size_t start = 0;
    while (start < text.size()) {
        const size_t rest = text.size() - start;
        size_t n = rest;
        if (x_ + metrics.Width(start, text.size()) > right_) {
            n = metrics.FitCount(start, rest - 1, int64_t{right_} - x_);
            const size_t blank = text.substr(start, n + 1).rfind(' ');
            if (blank != std::string_view::npos && blank > 0) {
                n = blank;
            } else if (!lineStart_) {
                // The first word does not fit in what is left of this line: it starts the next.
                n = 0;
            }
            // However narrow the box, every line carries a character.
            if (n == 0 && lineStart_) n = 1;
        }
        const int64_t width = metrics.Width(start, start + n);
        if (n > 0) Piece(x_, text.substr(start, n), width, true);
        start += n;
        if (n == rest) {
            x_ = ClampCoord(x_ + width);
            break;
        }
        LineBreak();
        if (text[start] == ' ') ++start;
    }
}

void RmlLayout::Ellipsis(std::string_view text, const RunMetrics& metrics) {
    const CFont& font = *image_.GetFont();
    const int64_t blank = font.BlankWidth();
    const int64_t dots = 3 * int64_t{font.PeriodWidth()};
    const size_t n = metrics.FitCount(0, text.size(), int64_t{right_} - dots - blank - x_);
    const int64_t width = metrics.Width(0, n);
    const int64_t at = x_ + blank;
    if (at + width + dots > right_) return;  // not even the dots fit
    if (n > 0) Piece(at, text.substr(0, n), width, true);
    Piece(at + width, "...", dots, false);
    x_ = ClampCoord(at + width + dots);
}

void RmlLayout::Piece(int64_t x, std::string_view piece, int64_t width, bool linkable) {
    if (linkable && linkOpen_ && links_ != nullptr) {
        MakeLink(x, piece, width);
    } else {
        DrawString(x, piece);
    }
    lineStart_ = false;
    RmlPublishedState().lastTextEnd = {ClampCoord(x + width), y_};
}

void RmlLayout::DrawString(int64_t x, std::string_view piece) {
    CFont* font = image_.GetFont();
    const TextFont textFont{&font->PlatformFont(), (font->Style() & kFontUnderline) != 0,
                            (font->Style() & kFontStrikeOut) != 0};
    CRenderTarget& target = image_.GetRenderTarget();
    const int length = static_cast<int>(std::min<size_t>(piece.size(), INT32_MAX));
    const int at = ClampCoord(x);
    if (Shadow()) {
        const auto saved = target.GetTextColor();
        target.SetTextColor(0, 0, 0);
        target.DrawText(textFont, at + 1, y_ + 1, clip_, piece.data(), length, image_.Transparent());
        target.SetTextColor(saved.r, saved.g, saved.b);
    }
    target.DrawText(textFont, at, y_, clip_, piece.data(), length, image_.Transparent());
}

void RmlLayout::MakeLink(int64_t x, std::string_view piece, int64_t width) {
    CFont& font = *image_.GetFont();
    RmlPublished& published = RmlPublishedState();
    published.linkSizeIndex = font.SizeStep();
    published.linkStyle = font.Style();
    RmlLinkRequest request;
    const int at = ClampCoord(x);
    request.area = {at, y_, ClampCoord(x + width + 2),
                    ClampCoord(int64_t{y_} + font.BlankWidth() + font.PlatformFont().Metrics().height)};
    request.label = piece;
    request.number = link_;
    request.sizeIndex = published.linkSizeIndex;
    request.style = published.linkStyle;
    if (CRefCounted* link = links_->CreateLink(request)) image_.AddLinkArea(link);
    RmlCurrentLink() = link_;
}

void RmlLayout::LineBreak() {
    RMLLineBreak(image_, x_, y_, left_);
    lineStart_ = true;
}

void RmlLayout::Paragraph() {
    LineBreak();
    LineBreak();
}

void RmlLayout::ChangeFont(std::string face, int size, int style) {
    if (fonts_ == nullptr) return;
    CFont* font = fonts_->CreateFont(face, size, style);
    image_.SetFont(font);
    font->ReleaseInternalRef();
}

void RmlLayout::SetStyleBit(int bit, bool on) {
    const CFont* font = image_.GetFont();
    if (font == nullptr) return;
    const int style = on ? (font->Style() | bit) : (font->Style() & ~bit);
    if (style != font->Style()) ChangeFont(font->Face(), font->Size(), style);
}

void RmlLayout::SizeTag(std::string_view args) {
    const CFont* font = image_.GetFont();
    if (font == nullptr || args.empty()) return;
    int index = font->SizeStep();
    const char c = args[0];
    if (c >= '0' && c <= '5') {
        index = c - '0';
    } else if (c == '+') {
        index = std::max(index - 1, 0);
    } else if (c == '-') {
        index = std::min(index + 1, static_cast<int>(kSizes.size()) - 1);
    } else {
        return;  // no size step of that name
    }
    ChangeFont(font->Face(), kSizes[static_cast<size_t>(index)], font->Style());
}

void RmlLayout::ColourTag(std::string_view args) {
    // Digits missing from the tag count 0, like any other non-hex character.
    std::array<int, 6> digits{};
    for (size_t i = 0; i < digits.size() && i < args.size(); ++i) digits[i] = std::max(0, HexDigitValue(args[i]));
    image_.GetRenderTarget().SetTextColor(static_cast<uint8_t>(digits[0] * 16 + digits[1]),
                                          static_cast<uint8_t>(digits[2] * 16 + digits[3]),
                                          static_cast<uint8_t>(digits[4] * 16 + digits[5]));
}

void RmlLayout::LinkTag(std::string_view args, bool closing) {
    linkOpen_ = !closing;
    if (!closing) {
        size_t count = 0;
        int number = 0;
        while (count < kMaxLinkDigits && count < args.size() && args[count] >= '0' && args[count] <= '9') {
            number = number * 10 + (args[count] - '0');
            ++count;
        }
        if (count > 0) link_ = number;
        RmlCurrentLink() = link_;
    }
    SetStyleBit(kFontUnderline, !closing);
}

void RmlLayout::Tag(std::string_view body) {
    const bool closing = !body.empty() && body[0] == '/';
    if (closing) body.remove_prefix(1);
    if (body.empty()) return;
    const std::string_view args = body.substr(1);
    const char next = args.empty() ? '\0' : Upper(args[0]);
    switch (Upper(body[0])) {
        case 'A': LinkTag(args, closing); break;
        case 'B':
            if (next == 'R') LineBreak();
            else SetStyleBit(kFontBold, !closing);
            break;
        case 'C':
            if (args.empty()) image_.rmlFlags[0] = closing ? 0 : 1;
            else ColourTag(args);
            break;
        case 'E': ellipsis_ = !closing; break;
        case 'F':
            if (!args.empty() && image_.GetFont() != nullptr) {
                ChangeFont(std::string(args.substr(0, kMaxFaceLength)), image_.GetFont()->Size(),
                           image_.GetFont()->Style());
            }
            break;
        case 'H':
            if (args.size() == 1 && next >= '1' && next <= '6') {
                if (fonts_ != nullptr) {
                    CFont* font = fonts_->GetStockFont(next - '1');
                    image_.SetFont(font);
                    font->ReleaseInternalRef();
                }
                Paragraph();
            }
            break;
        case 'I': SetStyleBit(kFontItalic, !closing); break;
        case 'N': noWrap_ = !closing; break;
        case 'P': Paragraph(); break;
        case 'S':
            if (next == 'H') image_.rmlFlags[1] = closing ? 0 : 1;
            else SizeTag(args);
            break;
        case 'T': image_.SetTransparent(!closing); break;
        case 'U': SetStyleBit(kFontUnderline, !closing); break;
        default: break;  // unknown letters are ignored
    }
}

}  // namespace

RmlPublished& RmlPublishedState() {
    static RmlPublished published;
    return published;
}

void DrawStyledPlainText(CImage& image, std::string_view style, std::string_view text, int x, int y,
                         const platform::Rect* box) {
    const std::string tags(style), plain(text);
    image.DrawRML(tags.c_str(), x, y, box, 0, nullptr);
    image.DrawRML(plain.c_str(), x, y, box, kRmlPlainRun, nullptr);
}

void RMLLineBreak(CImage& image, int& x, int& y, int left) {
    x = left;
    y = ClampCoord(int64_t{y} + image.RmlState());
    const CFont* font = image.GetFont();
    image.SetRmlState(font != nullptr ? font->LineHeight() : 0);
}

int RenderRMLText(CImage& image, CSubsystem_Font* fonts, int x, int y, const platform::Rect& box,
                  unsigned flags, std::string_view text, IRmlLinkFactory* links) {
    RmlSplit split;
    const bool plain = (flags & kRmlPlainRun) != 0;
    if (plain) {
        split.runs.push_back({false, text});
    } else {
        split = SplitRml(text);
        if (split.badCharacter != 0) {
            Error("Unhandled character (%c) in RML string", split.badCharacter);
            return kRmlBadCharacter;
        }
    }
    RmlCurrentLink() = -1;
    image.SetRmlState(0);
    RmlLayout layout(image, fonts, x, y, box, links, plain);
    for (const RmlRun& run : split.runs) {
        if (run.tag) layout.Tag(run.text);
        else layout.Text(run.text);
    }
    return 0;
}

int CImage::DrawRML(const char* text, int x, int y, const platform::Rect* box, unsigned flags,
                    IRmlLinkFactory* links) {
    const platform::Rect whole{0, 0, target_.Width(), target_.Height()};
    const int result = RenderRMLText(*this, CurrentSurfaceServices().fonts, x, y, box != nullptr ? *box : whole,
                                     flags, text != nullptr ? std::string_view(text) : std::string_view(), links);
    NotifyUsers();
    return result;
}
