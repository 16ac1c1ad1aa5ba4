#include "core/report/ElfSymbols.h"

#include <cxxabi.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "core/resources/ResourceFormat.h"

namespace {

constexpr uint64_t kSymbolSize = 24;
constexpr uint8_t kTypeFunction = 2;
constexpr uint8_t kTypeIndirectFunction = 10;
// How many symbols before an address are looked at for one that holds it.
constexpr size_t kNearbySymbols = 8;

struct FreeDeleter {
    void operator()(char* text) const { std::free(text); }
};

}  // namespace

std::string Demangle(std::string_view name) {
    if (name.substr(0, 2) != "_Z") return std::string(name);
    const std::string mangled(name);
    int status = 0;
    std::unique_ptr<char, FreeDeleter> plain(abi::__cxa_demangle(mangled.c_str(), nullptr, nullptr, &status));
    return status == 0 && plain ? std::string(plain.get()) : mangled;
}

void ElfSymbols::AddTable(const resources::ElfImage& image, const resources::ElfSectionHeader& table) {
    const auto& sections = image.Sections();
    const uint64_t stride = std::max(table.entrySize, kSymbolSize);
    if (table.link >= sections.size()) return;
    const auto entries = image.Bytes(table);
    const auto names = image.Bytes(sections[table.link]);
    if (!entries || !names) return;
    for (uint64_t at = 0; at <= entries->size() && entries->size() - at >= kSymbolSize; at += stride) {
        const uint8_t* s = entries->data() + at;
        const uint8_t type = s[4] & 0x0F;
        const uint16_t sectionIndex = ReadLe16(s + 6);
        const uint64_t value = ReadLe64(s + 8);
        const uint32_t nameAt = ReadLe32(s);
        if ((type != kTypeFunction && type != kTypeIndirectFunction) || sectionIndex == 0 || value == 0) continue;
        if (nameAt >= names->size()) continue;
        const char* text = reinterpret_cast<const char*>(names->data() + nameAt);
        const void* end = std::memchr(text, 0, names->size() - nameAt);
        if (end == nullptr || end == text) continue;
        symbols_.push_back({value, ReadLe64(s + 16),
                            std::string_view(text, static_cast<size_t>(static_cast<const char*>(end) - text))});
    }
}

ElfSymbols ElfSymbols::Read(const resources::ElfImage& image) {
    ElfSymbols symbols;
    for (const resources::ElfSectionHeader& section : image.Sections()) {
        if (section.type == resources::kElfSectionSymbols || section.type == resources::kElfSectionDynamicSymbols) {
            symbols.AddTable(image, section);
        }
    }
    std::stable_sort(symbols.symbols_.begin(), symbols.symbols_.end(),
                     [](const Symbol& a, const Symbol& b) { return a.value < b.value; });
    return symbols;
}

std::optional<SymbolHit> ElfSymbols::Find(uint64_t address) const {
    auto after = std::upper_bound(symbols_.begin(), symbols_.end(), address,
                                  [](uint64_t a, const Symbol& symbol) { return a < symbol.value; });
    for (size_t looked = 0; after != symbols_.begin() && looked < kNearbySymbols; ++looked) {
        const Symbol& symbol = *--after;
        const uint64_t offset = address - symbol.value;
        // A symbol without a size reaches to the next one.
        if (symbol.size == 0 ? looked == 0 : offset < symbol.size) return SymbolHit{Demangle(symbol.name), offset};
    }
    return std::nullopt;
}
