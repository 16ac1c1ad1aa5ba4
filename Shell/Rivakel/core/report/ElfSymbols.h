// The function symbols of a module file, for naming the functions of a call stack.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/resources/ElfImage.h"

struct SymbolHit {
    std::string name;  // demangled where it is a C++ name
    uint64_t offset = 0;  // of the address from the function's start
};

class ElfSymbols {
public:
    // The full symbol table where the file kept it, and the dynamic one; names refer into the
    // image's file, which must outlive this.
    static ElfSymbols Read(const resources::ElfImage& image);

    // The function that holds `address` (a module address, as the file's headers count them).
    std::optional<SymbolHit> Find(uint64_t address) const;
    size_t Count() const { return symbols_.size(); }

private:
    struct Symbol {
        uint64_t value = 0;
        uint64_t size = 0;
        std::string_view name;
    };
    void AddTable(const resources::ElfImage& image, const resources::ElfSectionHeader& table);

    std::vector<Symbol> symbols_;  // sorted by value
};

// A C++ symbol name in its source form; anything else unchanged.
std::string Demangle(std::string_view name);
