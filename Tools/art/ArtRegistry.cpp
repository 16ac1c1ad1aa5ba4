#include "art/ArtRegistry.h"

namespace art {

ImageRecipe::ImageRecipe(std::string name_, int width_, int height_, int frames_, std::function<Picture()> draw_,
                         int hotX_, int hotY_)
    : name(std::move(name_)), width(width_), height(height_), frames(frames_), draw(std::move(draw_)), hotX(hotX_),
      hotY(hotY_) {
    ArtRegistry::Instance().Add(this);
}

SoundRecipe::SoundRecipe(std::string name_, std::function<Sound()> make_) : name(std::move(name_)), make(std::move(make_)) {
    ArtRegistry::Instance().Add(this);
}

ArtRegistry& ArtRegistry::Instance() {
    static ArtRegistry registry;
    return registry;
}

Picture Still(Canvas canvas) {
    Picture p;
    p.frames.push_back(std::move(canvas));
    p.delays.push_back(0);
    p.loop = false;
    return p;
}

}  // namespace art
