#include "Apps/Common/MarkupText.h"

#include <array>

#include "Apps/Common/ModuleGlobals.h"
#include "frame/api/IFont.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/MarkupEscape.h"

namespace {

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// The character at `i`, or NUL past the end: a short tag reads as if padded with NULs.
char At(std::string_view text, size_t i) { return i < text.size() ? text[i] : '\0'; }

// A colour digit's value; a missing or bad digit counts 0.
int HexDigitValue(char c) {
    constexpr std::string_view kDigits = "0123456789abcdef";
    const size_t at = kDigits.find(c >= 'A' && c <= 'F' ? static_cast<char>(c - 'A' + 'a') : c);
    return at == std::string_view::npos ? 0 : static_cast<int>(at);
}

int ColourByte(std::string_view digits, size_t first) {
    return 16 * HexDigitValue(At(digits, first)) + HexDigitValue(At(digits, first + 1));
}

// The font being drawn with: what the image had, then whatever the tags made of it.
class FontState {
public:
    FontState(IImage& canvas, IShellFactory& factory) : canvas_(canvas), factory_(factory) {
        canvas_.GetFont(&font_);
        if (font_ != nullptr) font_->GetInfo(face_.data(), static_cast<int>(face_.size()), &size_, &sizeClass_, &style_);
    }
    ~FontState() {
        if (font_ != nullptr) font_->Release();
    }
    FontState(const FontState&) = delete;
    FontState& operator=(const FontState&) = delete;

    IFont* Font() const { return font_; }
    int SizeClass() const { return sizeClass_; }

    void SetStyleBit(int bit, bool on) { Rebuild(on ? (style_ | bit) : (style_ & ~bit), sizeClass_, size_); }
    void SetSizeClass(int sizeClass) { Rebuild(style_, sizeClass, kMarkupPointSizes[sizeClass]); }

private:
    void Rebuild(int style, int sizeClass, int size) {
        IFont* made = factory_.CreateFont(face_.data(), size, style);
        if (made == nullptr) return;
        if (font_ != nullptr) font_->Release();
        font_ = made;
        canvas_.SetFont(font_);
        style_ = style;
        sizeClass_ = sizeClass;
        size_ = size;
        font_->GetInfo(face_.data(), static_cast<int>(face_.size()), &size_, &sizeClass_, &style_);
    }

    IImage& canvas_;
    IShellFactory& factory_;
    IFont* font_ = nullptr;
    // A canvas without a font draws in the shell's default picture font.
    std::array<char, kFontFaceMax + 1> face_{'A', 'r', 'i', 'a', 'l'};
    int size_ = 18;
    int sizeClass_ = 1;
    int style_ = 0;
};

struct Pen {
    int x, y;
    bool centred = false;
};

void ApplyTag(std::string_view tag, Pen& pen, FontState& font, IImage& canvas, MarkupEdition edition) {
    const bool breaks = edition == MarkupEdition::Current;
    const bool closing = At(tag, 0) == '/';
    if (closing) tag.remove_prefix(1);
    switch (Upper(At(tag, 0))) {
        case 'B':
            if (breaks && Upper(At(tag, 1)) == 'R') {
                pen.x = 0;
                pen.y += kMarkupLineStep;
            } else {
                font.SetStyleBit(kFontStyleBold, !closing);
            }
            break;
        case 'I': font.SetStyleBit(kFontStyleItalic, !closing); break;
        case 'U': font.SetStyleBit(kFontStyleUnderline, !closing); break;
        case 'P':
            if (!breaks) break;
            pen.x = 0;
            pen.y += kMarkupParagraphStep;
            break;
        case 'C':
            if (tag.size() == 1)
                pen.centred = !closing;
            else
                canvas.SetTextColor(ColourByte(tag, 1), ColourByte(tag, 3), ColourByte(tag, 5));
            break;
        case 'S': {
            const char which = At(tag, 1);
            if (which >= '0' && which <= '5') font.SetSizeClass(which - '0');
            else if (which == '-') font.SetSizeClass(font.SizeClass() < 5 ? font.SizeClass() + 1 : 5);
            else if (which == '+') font.SetSizeClass(font.SizeClass() > 0 ? font.SizeClass() - 1 : 0);
            break;
        }
        default: break;
    }
}

// Hands `piece` the run's characters with its entities read, in pieces that fit a buffer on the
// stack (a run without entities is one piece, as written); `last` marks the final piece.
template <typename Piece>
void ForEachPlainPiece(std::string_view run, Piece piece) {
    if (run.find('&') == std::string_view::npos) {
        piece(run, true);
        return;
    }
    std::array<char, 256> buffer;
    size_t used = 0;
    while (!run.empty()) {
        const MarkupEntity* entity = MarkupEntityAt(run);
        buffer[used++] = entity != nullptr ? entity->character : run.front();
        run.remove_prefix(entity != nullptr ? entity->spelling.size() : 1);
        if (used == buffer.size() || run.empty()) {
            piece(std::string_view(buffer.data(), used), run.empty());
            used = 0;
        }
    }
}

int Width(IImage& canvas, IFont* font, std::string_view text) {
    int extent[2] = {0, 0};
    canvas.GetTextExtent(font, text.data(), static_cast<int>(text.size()), extent);
    return extent[0];
}

void DrawRun(IImage& canvas, IFont* font, std::string_view run, Pen& pen, int canvasWidth) {
    int width = 0;
    ForEachPlainPiece(run, [&](std::string_view piece, bool) { width += Width(canvas, font, piece); });
    int at = pen.centred ? (canvasWidth - width) / 2 : pen.x + kMarkupRunIndent;
    ForEachPlainPiece(run, [&](std::string_view piece, bool last) {
        canvas.DrawText(piece.data(), static_cast<int>(piece.size()), at, pen.y);
        if (!last) at += Width(canvas, font, piece);
    });
    pen.x += width;
}

}  // namespace

bool MarkupTokenizer::Next(MarkupToken& token) {
    if (rest_.empty()) return false;
    if (rest_.front() == '<') {
        const size_t close = rest_.find('>', 1);
        if (close != std::string_view::npos) {
            token = {rest_.substr(1, close - 1), true};
            rest_.remove_prefix(close + 1);
            return true;
        }
        // Never closed: the rest is text.
        token = {rest_, false};
        rest_ = {};
        return true;
    }
    const size_t open = rest_.find('<');
    token = {rest_.substr(0, open), false};
    rest_.remove_prefix(open == std::string_view::npos ? rest_.size() : open);
    return true;
}

namespace {

int DrawWithModuleFonts(IImage* canvas, const char* text, int x, int y, MarkupEdition edition) {
    IShellFactory* factory = Globals().factory;
    if (canvas == nullptr || text == nullptr || factory == nullptr) return 0;
    return DrawMarkupText(canvas, std::string_view(text), x, y, *factory, edition);
}

}  // namespace

int DrawMarkupText(IImage* canvas, const char* text, int x, int y) {
    return DrawWithModuleFonts(canvas, text, x, y, MarkupEdition::Current);
}

int DrawMarkupTextOld(IImage* canvas, const char* text, int x, int y) {
    return DrawWithModuleFonts(canvas, text, x, y, MarkupEdition::Old);
}

int DrawMarkupText(IImage* canvas, std::string_view text, int x, int y, IShellFactory& fonts, MarkupEdition edition) {
    if (canvas == nullptr) return 0;
    FontState font(*canvas, fonts);
    int canvasWidth = 0, canvasHeight = 0;
    canvas->GetSize(&canvasWidth, &canvasHeight);
    Pen pen{x, y};
    MarkupTokenizer tokens(text);
    MarkupToken token;
    while (tokens.Next(token)) {
        if (token.isTag) ApplyTag(token.text, pen, font, *canvas, edition);
        else if (!token.text.empty()) DrawRun(*canvas, font.Font(), token.text, pen, canvasWidth);
    }
    return 0;
}
