#include "harness/ModulePictures.h"

#include "core/gif/GifDecoder.h"
#include "core/resources/ResourceModule.h"

static_assert(ModulePictures::kKeyColour == kGifColourKey);

ModulePictures::ModulePictures(const std::string& modulePath)
    : module_(resources::ResourceModule::FromModuleFile(modulePath)) {}

ModulePictures::ModulePictures(std::unique_ptr<resources::ResourceModule> module) : module_(std::move(module)) {}

ModulePictures ModulePictures::FromPacked(std::span<const uint8_t> blob) {
    return ModulePictures(resources::ResourceModule::FromBlob(std::vector<uint8_t>(blob.begin(), blob.end()), "packed"));
}

ModulePictures::~ModulePictures() = default;
ModulePictures::ModulePictures(ModulePictures&&) noexcept = default;
ModulePictures& ModulePictures::operator=(ModulePictures&&) noexcept = default;

std::optional<std::vector<uint8_t>> ModulePictures::Resource(std::string_view name) const {
    if (module_ == nullptr) return std::nullopt;
    const auto data = module_->FindData(name);
    if (!data) return std::nullopt;
    return std::vector<uint8_t>(data->begin(), data->end());
}

std::optional<ModulePicture> ModulePictures::Picture(std::string_view name) const {
    if (module_ == nullptr) return std::nullopt;
    const auto data = module_->FindData(name);
    GifImage image;
    if (!data || DecodeGif(*data, image, name) != kGifOk || image.frames.empty()) return std::nullopt;
    return ModulePicture{image.width, image.height, std::move(image.frames.front().pixels)};
}
