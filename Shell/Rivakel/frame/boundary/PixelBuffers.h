// The pixel buffers the shell made for games. A game hands back the record it was given, and
// may have written anything into it: only the shell's own copy of the size and the pixels is
// trusted, and a record the shell did not make is refused.
#pragma once

#include <memory>
#include <optional>
#include <unordered_map>

#include "frame/api/IImage.h"

class PixelBufferTable {
public:
    // A zeroed width x height buffer kept for `owner`; null when the memory cannot be had.
    AppletPixelBuffer* Create(int width, int height, const void* owner);
    // False for a record the table does not hold.
    bool Free(const AppletPixelBuffer* buffer);
    void FreeAllOf(const void* owner);
    // The buffer as the shell made it (with the record's colour key); nullopt for a record the
    // shell did not make.
    std::optional<AppletPixelBuffer> Find(const AppletPixelBuffer* buffer) const;

private:
    struct Owned {
        AppletPixelBuffer record;
        AppletPixelBuffer made;
        std::unique_ptr<uint32_t[]> pixels;
        const void* owner;
    };
    std::unordered_map<const AppletPixelBuffer*, std::unique_ptr<Owned>> buffers_;
};

// The process's table.
PixelBufferTable& GamePixelBuffers();
