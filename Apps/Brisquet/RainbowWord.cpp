#include "Apps/Brisquet/RainbowWord.h"

#include <array>

#include "Apps/Common/CentredText.h"
#include "Apps/Common/MarkupText.h"
#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Common/ModuleRandom.h"
#include "Apps/Common/ShellRef.h"
#include "frame/api/IFont.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"

namespace brisquet {
namespace {

constexpr int kGap = 8;
constexpr std::array<const char*, 4> kRainbow = {"ff0000", "00ff00", "0000ff", "ffff00"};

}  // namespace

CRainbowWord::CRainbowWord(IImage& canvas, std::string_view word, int x, int y, int pointSize, std::string_view style)
    : style_(style), y_(y) {
    const ShellRef<IFont> font = ArialFont(*Globals().factory, pointSize, false);
    letters_.reserve(word.size());
    for (const char letter : word) {
        letters_.push_back({letter, x});
        x += TextWidth(canvas, font.Get(), std::string_view(&letter, 1)) + kGap;
    }
}

void CRainbowWord::Draw(IImage& canvas, ModuleRandom& random) const {
    IShellFactory& factory = *Globals().factory;
    for (const Letter& letter : letters_) {
        const std::string markup = style_ + "<C" + kRainbow[static_cast<size_t>(random.Next() % 4)] + ">" + letter.letter;
        DrawMarkupText(&canvas, markup, letter.x, y_, factory, MarkupEdition::Old);
    }
}

}  // namespace brisquet
