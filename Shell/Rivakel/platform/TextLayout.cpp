#include "platform/TextLayout.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

namespace platform {
namespace {

int ClampToInt(double value) { return static_cast<int>(std::clamp(value, double{INT_MIN}, double{INT_MAX})); }
int Round(double value) { return ClampToInt(std::floor(value + 0.5)); }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A glyph with ink: where the design puts the ink (pixels from the run's start, stretched to the
// measured width), how wide the drawn ink is, and how many blank columns may stand before it.
struct Ink {
    size_t index;
    int bitmapLeft;
    double left, right;
    int width;
    int minGap = 0;   // never fewer, unless the run has no room
    int openGap = 0;  // fewer only where the rest would not fit
    int maxGap = 0;
    int64_t rightmost = 0;  // the last column it may start at and leave room for the rest
};

struct Run {
    std::vector<Ink> inks;
    bool leadingBlank = false, trailingBlank = false;
};

void LayOutInCells(Font& font, std::string_view text, std::vector<int>& origins) {
    int64_t pen = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        origins[i] = ClampToInt(static_cast<double>(pen));
        pen += font.GetGlyph(static_cast<uint8_t>(text[i])).advance;
    }
}

int64_t DesignAdvance(const Glyph& glyph) {
    return glyph.designAdvance > 0 ? glyph.designAdvance : int64_t{glyph.advance} * 64;
}

// The gaps a glyph allows before it. A blank is at least as wide as its own advance and a gap
// inside a word stays narrower, so that words read as words where rounding is coarse. Where the
// design leaves a gap inside a word, a blank column stays if there is room.
void SetGaps(Ink& ink, const Ink& previous, bool afterBlank, bool digits, int blank) {
    const double gap = ink.left - previous.right;
    if (afterBlank) {
        ink.minGap = ink.openGap = blank;
        ink.maxGap = std::max(blank, ClampToInt(std::ceil(gap))) + 1;
        return;
    }
    // Digits stand in equal cells and read as one blot when they touch.
    ink.minGap = digits ? 1 : std::min(0, Round(gap));
    ink.openGap = std::max(ink.minGap, gap >= 0.5 ? 1 : 0);
    ink.maxGap = std::max(ink.openGap, std::min(blank - 1, ClampToInt(std::ceil(gap))));
}

// The glyphs with ink, where the design puts them once stretched by `toPixels`; blanks between
// them only set the gaps. Fills in the origins of the glyphs without ink.
Run CollectInk(Font& font, std::string_view text, double toPixels, std::vector<int>& origins) {
    const int blank = std::max(1, font.GetGlyph(' ').advance);
    Run run;
    run.inks.reserve(text.size());
    double pen = 0;
    bool blankBefore = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const Glyph& glyph = font.GetGlyph(static_cast<uint8_t>(text[i]));
        const double advance = static_cast<double>(DesignAdvance(glyph));
        origins[i] = Round(pen * toPixels);
        if (glyph.width <= 0) {
            blankBefore = blankBefore || glyph.advance > 0;
            pen += advance;
            continue;
        }
        const bool hasDesign = glyph.designAdvance > 0 && glyph.designRight > glyph.designLeft;
        const double left = hasDesign ? glyph.designLeft : glyph.left * 64.0;
        const double right = hasDesign ? glyph.designRight : (glyph.left + glyph.width) * 64.0;
        Ink ink{i, glyph.left, (pen + left) * toPixels, (pen + right) * toPixels, glyph.width};
        if (run.inks.empty()) {
            run.leadingBlank = blankBefore;
        } else {
            const Ink& previous = run.inks.back();
            SetGaps(ink, previous, blankBefore, IsDigit(text[previous.index]) && IsDigit(text[i]), blank);
        }
        run.inks.push_back(ink);
        blankBefore = false;
        pen += advance;
    }
    run.trailingBlank = blankBefore;
    return run;
}

}  // namespace

void LayOutRun(Font& font, std::string_view cp1252, std::vector<int>& origins) {
    origins.assign(cp1252.size(), 0);
    int64_t width = 0, design = 0;
    bool designed = false;
    for (char ch : cp1252) {
        const Glyph& glyph = font.GetGlyph(static_cast<uint8_t>(ch));
        width += glyph.advance;
        design += DesignAdvance(glyph);
        designed = designed || glyph.designAdvance > 0;
    }
    if (!designed || width <= 0 || design <= 0) {
        LayOutInCells(font, cp1252, origins);
        return;
    }

    // The design is stretched or squeezed to the sum of the rounded advances, the width that
    // pages are laid out for.
    Run run = CollectInk(font, cp1252, static_cast<double>(width) / static_cast<double>(design), origins);
    std::vector<Ink>& inks = run.inks;
    if (inks.empty()) return;
    const int blank = std::max(1, font.GetGlyph(' ').advance);

    // Backwards: the last column each glyph may start at so that the ones after it still fit in
    // the width, short of a trailing blank. Even a design that reaches beyond its advance stays
    // inside: a box clips what lies outside the text it measured.
    int64_t rightmost = width - (run.trailingBlank ? blank : 0) - inks.back().width;
    for (size_t j = inks.size(); j-- > 0;) {
        inks[j].rightmost = rightmost;
        if (j > 0) rightmost -= inks[j].minGap + inks[j - 1].width;
    }

    // Forwards: each glyph's ink centred where the design centres it, within the gaps allowed.
    int64_t previousRight = 0;
    for (size_t j = 0; j < inks.size(); ++j) {
        const Ink& ink = inks[j];
        int64_t x = Round((ink.left + ink.right - ink.width) / 2);
        if (j == 0) {
            x = std::max<int64_t>(x, run.leadingBlank ? blank : 0);
        } else {
            x = std::clamp(x, previousRight + 1 + ink.openGap, previousRight + 1 + ink.maxGap);
        }
        x = std::min(x, ink.rightmost);
        origins[ink.index] = ClampToInt(static_cast<double>(x - ink.bitmapLeft));
        previousRight = x + ink.width - 1;
    }
}

}  // namespace platform
