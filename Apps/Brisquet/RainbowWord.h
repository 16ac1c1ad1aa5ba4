// A heading drawn letter by letter, each letter in red, green, blue or yellow at random, as the
// title and promotion screens redraw it on every turn of their ring. The letters' places are
// measured once; each drawing only picks new colours.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class IImage;
class ModuleRandom;

namespace brisquet {

class CRainbowWord {
public:
    // `word` at (x, y) on `canvas`, after the markup `style`, whose size is `pointSize`.
    CRainbowWord(IImage& canvas, std::string_view word, int x, int y, int pointSize, std::string_view style);

    void Draw(IImage& canvas, ModuleRandom& random) const;

private:
    struct Letter {
        char letter;
        int x;
    };
    std::string style_;
    std::vector<Letter> letters_;
    int y_;
};

}  // namespace brisquet
