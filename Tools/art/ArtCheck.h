// The rules every picture keeps: its size and frame count match its recipe and its name, and
// no visible pixel is the key colour.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "art/ArtRegistry.h"
#include "art/Quantiser.h"

namespace art {

struct NameSize {
    int width = 0, height = 0;
    int frames = 0;  // 0 when the name does not say
};

// The size a name carries as "-<W>x<H>" (or "-<W>x<H>x<frames>") at the end of its stem,
// as in "ani-mudball-16x16.gif"; nullopt when it carries none.
std::optional<NameSize> SizeFromName(std::string_view name);

// Every broken rule, one line each; empty when the picture is sound.
std::vector<std::string> CheckPicture(const ImageRecipe& recipe, const Picture& picture);
// Key pixels, and only they, map to the transparent index.
std::vector<std::string> CheckQuantised(const std::vector<Canvas>& frames, const Quantised& quantised);

}  // namespace art
