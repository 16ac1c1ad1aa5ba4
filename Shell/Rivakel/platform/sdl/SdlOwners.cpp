#include "platform/sdl/SdlOwners.h"

namespace platform::sdl {

SurfaceOwner MakeKeyedSurface(const uint32_t* pixels, int width, int height, int pitch, uint32_t colourKey) {
    if (pixels == nullptr || width <= 0 || height <= 0 || pitch < width) return nullptr;
    SurfaceOwner surface(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888));
    if (surface == nullptr) return nullptr;
    for (int y = 0; y < height; ++y) {
        const uint32_t* from = pixels + static_cast<std::ptrdiff_t>(y) * pitch;
        auto* to = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(surface->pixels) +
                                               static_cast<std::ptrdiff_t>(y) * surface->pitch);
        for (int x = 0; x < width; ++x) {
            const uint32_t rgb = from[x] & 0xFFFFFFu;
            to[x] = rgb == (colourKey & 0xFFFFFFu) ? 0u : (0xFF000000u | rgb);
        }
    }
    return surface;
}

}  // namespace platform::sdl
