// A built game module's own resources read as data, for tests, bots and benchmarks that need the
// game's art (a card's corner, a bubble's colour) without the shell's internals: a resource's raw
// bytes by name, and a picture's size and pixels.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace resources {
class ResourceModule;
}

// A picture's first frame, 0xRRGGBB, rows top to bottom.
struct ModulePicture {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;
    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)]; }
};

class ModulePictures {
public:
    // The colour a keyed picture leaves where it is see-through.
    static constexpr uint32_t kKeyColour = 0xFF00FF;

    // Reads the module file's packed resources; Loaded() is false when it has none.
    explicit ModulePictures(const std::string& modulePath);
    // Packed resources already in memory (a module's resource blob).
    static ModulePictures FromPacked(std::span<const uint8_t> blob);
    ~ModulePictures();
    ModulePictures(ModulePictures&&) noexcept;
    ModulePictures& operator=(ModulePictures&&) noexcept;

    bool Loaded() const { return module_ != nullptr; }
    // The named file's bytes, without regard to case; nullopt when the module has none.
    std::optional<std::vector<uint8_t>> Resource(std::string_view name) const;
    // The named picture decoded; nullopt when it is missing or not a picture.
    std::optional<ModulePicture> Picture(std::string_view name) const;
private:
    explicit ModulePictures(std::unique_ptr<resources::ResourceModule> module);
    std::unique_ptr<resources::ResourceModule> module_;
};
