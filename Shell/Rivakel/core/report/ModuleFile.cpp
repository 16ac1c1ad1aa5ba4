#include "core/report/ModuleFile.h"

#include "platform/Host.h"

namespace {

// Larger files are no module a portal maps; reading them would only cost time.
constexpr size_t kMaxModuleBytes = 512u << 20;
constexpr uint64_t kSectionAllocated = 0x2;
constexpr std::string_view kDeletedSuffix = " (deleted)";

}  // namespace

std::unique_ptr<ModuleFile> ModuleFile::Load(const std::string& path) {
    std::optional<std::vector<uint8_t>> bytes = platform::ReadFilePrefix(path, kMaxModuleBytes + 1);
    if (!bytes || bytes->size() > kMaxModuleBytes) return nullptr;
    return FromBytes(std::move(*bytes));
}

std::unique_ptr<ModuleFile> ModuleFile::FromBytes(std::vector<uint8_t> bytes) {
    auto module = std::make_unique<ModuleFile>(Token{});
    module->bytes_ = std::move(bytes);
    module->image_ = resources::ElfImage::Parse(module->bytes_);
    if (!module->image_) return nullptr;
    module->symbols_ = ElfSymbols::Read(*module->image_);
    if (const resources::ElfSectionHeader* frames = module->image_->FindSection(".eh_frame")) {
        if (const auto data = module->image_->Bytes(*frames)) module->frames_ = CallFrameInfo::Build(*data, frames->address);
    }
    return module;
}

std::optional<uint64_t> ModuleFile::ModuleAddress(const MappedRegion& region, uint64_t address) const {
    if (address < region.start || address >= region.end) return std::nullopt;
    const uint64_t fileOffset = region.offset + (address - region.start);
    for (const resources::ElfSegment& segment : image_->Segments()) {
        if (segment.type == resources::kElfSegmentLoad && fileOffset >= segment.offset &&
            fileOffset - segment.offset < segment.fileSize) {
            return segment.address + (fileOffset - segment.offset);
        }
    }
    return std::nullopt;
}

std::optional<SectionPlace> ModuleFile::SectionOf(uint64_t moduleAddress) const {
    const auto& sections = image_->Sections();
    for (size_t i = 1; i < sections.size(); ++i) {
        const resources::ElfSectionHeader& section = sections[i];
        if ((section.flags & kSectionAllocated) != 0 && moduleAddress >= section.address &&
            moduleAddress - section.address < section.size) {
            return SectionPlace{static_cast<uint32_t>(i), moduleAddress - section.address};
        }
    }
    return std::nullopt;
}

ModuleFiles::Place ModuleFiles::Locate(uint64_t address) {
    Place place;
    place.region = map_.Find(address);
    if (place.region == nullptr || place.region->path.empty() || place.region->path.front() != '/') return place;
    std::string path = place.region->path;
    if (path.size() > kDeletedSuffix.size() && path.ends_with(kDeletedSuffix)) path.resize(path.size() - kDeletedSuffix.size());
    auto found = loaded_.find(path);
    if (found == loaded_.end()) found = loaded_.emplace(path, ModuleFile::Load(path)).first;
    place.module = found->second.get();
    if (place.module != nullptr) {
        if (const std::optional<uint64_t> at = place.module->ModuleAddress(*place.region, address)) {
            place.moduleAddress = *at;
        } else {
            place.module = nullptr;
        }
    }
    return place;
}

std::string FileNameOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}
