#include "art/ArtCheck.h"

#include <charconv>

namespace art {

namespace {

// The number that ends `text` (digits only); `text` loses it.
std::optional<int> TakeTrailingNumber(std::string_view& text) {
    size_t start = text.size();
    while (start > 0 && text[start - 1] >= '0' && text[start - 1] <= '9') --start;
    if (start == text.size() || text.size() - start > 5) return std::nullopt;
    int value = 0;
    std::from_chars(text.data() + start, text.data() + text.size(), value);
    text = text.substr(0, start);
    return value;
}

std::string Describe(const ImageRecipe& recipe) { return recipe.name + ": "; }

// "-7x32x32" on a one-frame picture 224x32 reads as a strip of seven 32x32 cells.
bool IsCellStrip(const NameSize& named, const ImageRecipe& recipe) {
    return recipe.frames == 1 && named.frames != 0 && recipe.width == named.width * named.height &&
           recipe.height == named.frames;
}

}  // namespace

std::optional<NameSize> SizeFromName(std::string_view name) {
    std::string_view stem = name.substr(0, name.rfind('.'));
    std::optional<int> numbers[3];
    int count = 0;
    while (count < 3) {
        const auto n = TakeTrailingNumber(stem);
        if (!n) return std::nullopt;
        numbers[count++] = n;
        if (!stem.empty() && stem.back() == '-') break;
        if (stem.empty() || (stem.back() != 'x' && stem.back() != 'X')) return std::nullopt;
        stem.remove_suffix(1);
    }
    if (stem.empty() || stem.back() != '-' || count < 2) return std::nullopt;
    if (count == 2) return NameSize{*numbers[1], *numbers[0], 0};
    return NameSize{*numbers[2], *numbers[1], *numbers[0]};
}

std::vector<std::string> CheckPicture(const ImageRecipe& recipe, const Picture& picture) {
    std::vector<std::string> problems;
    const std::string who = Describe(recipe);
    const bool cursorName = recipe.name.ends_with(".cur");
    if (recipe.IsCursor() != cursorName) problems.push_back(who + "only cursors, and all of them, end in .cur");
    if (!cursorName && !recipe.name.ends_with(".gif")) problems.push_back(who + "a picture's name ends in .gif");
    if (recipe.IsCursor() && (recipe.hotX >= recipe.width || recipe.hotY >= recipe.height))
        problems.push_back(who + "hot spot outside the cursor");
    if (const auto named = SizeFromName(recipe.name); named && !IsCellStrip(*named, recipe)) {
        if (named->width != recipe.width || named->height != recipe.height)
            problems.push_back(who + "the name's size differs from the recipe's");
        if (named->frames != 0 && named->frames != recipe.frames)
            problems.push_back(who + "the name's frame count differs from the recipe's");
    }
    if (static_cast<int>(picture.frames.size()) != recipe.frames || recipe.frames < 1)
        problems.push_back(who + "drew " + std::to_string(picture.frames.size()) + " frames, expected " +
                           std::to_string(recipe.frames));
    if (picture.delays.size() != picture.frames.size()) problems.push_back(who + "one delay per frame is needed");
    for (size_t f = 0; f < picture.frames.size(); ++f) {
        const Canvas& frame = picture.frames[f];
        const std::string where = who + "frame " + std::to_string(f) + ": ";
        if (frame.Width() != recipe.width || frame.Height() != recipe.height)
            problems.push_back(where + "is " + std::to_string(frame.Width()) + "x" + std::to_string(frame.Height()) +
                               ", expected " + std::to_string(recipe.width) + "x" + std::to_string(recipe.height));
        if (frame.Faults() != 0) problems.push_back(where + "painted the key colour where it should be seen");
    }
    return problems;
}

std::vector<std::string> CheckQuantised(const std::vector<Canvas>& frames, const Quantised& quantised) {
    std::vector<std::string> problems;
    if (quantised.palette.empty() || quantised.palette[0] != kKey) problems.push_back("palette entry 0 is not the key");
    for (size_t i = 1; i < quantised.palette.size(); ++i)
        if (quantised.palette[i] == kKey) problems.push_back("a visible palette entry is the key");
    for (size_t f = 0; f < frames.size() && f < quantised.indices.size(); ++f) {
        const auto& pixels = frames[f].Pixels();
        for (size_t i = 0; i < pixels.size(); ++i) {
            if ((pixels[i] == kKey) != (quantised.indices[f][i] == 0)) {
                problems.push_back("frame " + std::to_string(f) + ": a pixel's transparency changed in the palette");
                break;
            }
        }
    }
    return problems;
}

}  // namespace art
