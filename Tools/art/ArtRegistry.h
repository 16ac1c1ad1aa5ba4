// The recipes of one module: each draws one picture (GIF or cursor) or makes one sound.
// Recipes register themselves from their own source files:
//
//   static const art::ImageRecipe splash{"img-splash.gif", 400, 240, 1, DrawSplash};
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "art/Canvas.h"
#include "art/Sound.h"

namespace art {

struct Picture {
    std::vector<Canvas> frames;
    std::vector<int> delays;  // hundredths of a second per frame
    bool loop = true;
};

struct ImageRecipe {
    // `name` is the file written: a ".gif", or a ".cur" (a cursor: the hot spot and a GIF).
    ImageRecipe(std::string name, int width, int height, int frames, std::function<Picture()> draw, int hotX = -1,
                int hotY = -1);

    std::string name;
    int width, height, frames;
    std::function<Picture()> draw;
    int hotX, hotY;
    bool IsCursor() const { return hotX >= 0; }
};

struct SoundRecipe {
    SoundRecipe(std::string name, std::function<Sound()> make);

    std::string name;
    std::function<Sound()> make;
};

class ArtRegistry {
public:
    static ArtRegistry& Instance();
    const std::vector<const ImageRecipe*>& Images() const { return images_; }
    const std::vector<const SoundRecipe*>& Sounds() const { return sounds_; }
    void Add(const ImageRecipe* recipe) { images_.push_back(recipe); }
    void Add(const SoundRecipe* recipe) { sounds_.push_back(recipe); }

private:
    std::vector<const ImageRecipe*> images_;
    std::vector<const SoundRecipe*> sounds_;
};

// A single-frame picture.
Picture Still(Canvas canvas);

}  // namespace art
