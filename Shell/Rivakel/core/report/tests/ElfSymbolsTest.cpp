// A small ELF file built by hand: a code section, a symbol table with two functions and an
// object, and the string tables.
#include "core/report/ElfSymbols.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace {

struct Section {
    uint32_t name, type;
    uint64_t flags, address, offset, size;
    uint32_t link;
    uint64_t entrySize;
};

class ElfBuilder {
public:
    ElfBuilder() {
        symbols = {{"", 0, 0, 0, 0}, {"FuncA", 2, 1, 0x1000, 0x10}, {"_ZN4game4TickEv", 2, 1, 0x1010, 0},
                   {"Table", 1, 1, 0x1020, 8}};
    }

    std::vector<uint8_t> Build() const {
        std::vector<uint8_t> out(64, 0);
        const char ident[] = {0x7F, 'E', 'L', 'F', 2, 1, 1};
        std::memcpy(out.data(), ident, sizeof ident);
        std::string strings(1, '\0');
        std::vector<uint8_t> table;
        for (const Symbol& s : symbols) {
            const uint32_t at = s.name.empty() ? 0 : static_cast<uint32_t>(strings.size());
            if (!s.name.empty()) strings += s.name + '\0';
            Put(table, nameOverride.value_or(at), 4);
            table.push_back(s.type);
            table.push_back(0);
            Put(table, s.section, 2);
            Put(table, s.value, 8);
            Put(table, s.size, 8);
        }
        const std::string names = std::string("\0.text\0.symtab\0.strtab\0.shstrtab\0", 33);
        const uint64_t tableAt = out.size();
        out.insert(out.end(), table.begin(), table.end());
        const uint64_t stringsAt = out.size();
        out.insert(out.end(), strings.begin(), strings.end());
        const uint64_t namesAt = out.size();
        out.insert(out.end(), names.begin(), names.end());
        const uint64_t headersAt = out.size();
        const Section sections[] = {
            {},
            {1, 8, 2, 0x1000, 0, 0x40, 0, 0},
            {7, 2, 0, 0, tableAt, symbolTableSize.value_or(table.size()), symbolLink, symbolEntrySize},
            {15, 3, 0, 0, stringsAt, strings.size(), 0, 0},
            {23, 3, 0, 0, namesAt, names.size(), 0, 0},
        };
        for (const Section& s : sections) {
            Put(out, s.name, 4);
            Put(out, s.type, 4);
            Put(out, s.flags, 8);
            Put(out, s.address, 8);
            Put(out, s.offset, 8);
            Put(out, s.size, 8);
            Put(out, s.link, 4);
            Put(out, 0, 4);
            Put(out, 0, 8);
            Put(out, s.entrySize, 8);
        }
        PutAt(out, 0x28, headersAt, 8);
        PutAt(out, 0x3A, 64, 2);
        PutAt(out, 0x3C, std::size(sections), 2);
        PutAt(out, 0x3E, 4, 2);
        return out;
    }

    struct Symbol {
        std::string name;
        uint8_t type;
        uint16_t section;
        uint64_t value, size;
    };
    std::vector<Symbol> symbols;
    uint32_t symbolLink = 3;
    uint64_t symbolEntrySize = 24;
    std::optional<uint64_t> symbolTableSize;
    std::optional<uint32_t> nameOverride;

private:
    static void Put(std::vector<uint8_t>& out, uint64_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
    static void PutAt(std::vector<uint8_t>& out, size_t at, uint64_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) out[at + i] = static_cast<uint8_t>(value >> (8 * i));
    }
};

std::optional<SymbolHit> Lookup(const std::vector<uint8_t>& file, uint64_t address) {
    const auto image = resources::ElfImage::Parse(file);
    if (!image) return std::nullopt;
    return ElfSymbols::Read(*image).Find(address);
}

TEST(ElfSymbols, FunctionsAreFoundByAnyAddressInsideThem) {
    const std::vector<uint8_t> file = ElfBuilder().Build();
    const auto image = resources::ElfImage::Parse(file);
    ASSERT_TRUE(image);
    const ElfSymbols symbols = ElfSymbols::Read(*image);
    EXPECT_EQ(symbols.Count(), 2u) << "the object is no function";
    struct Case {
        uint64_t address;
        const char* name;
        uint64_t offset;
    };
    const Case cases[] = {
        {0x1000, "FuncA", 0}, {0x100F, "FuncA", 0xF}, {0x1010, "game::Tick()", 0}, {0x1030, "game::Tick()", 0x20}};
    for (const Case& c : cases) {
        const auto hit = symbols.Find(c.address);
        ASSERT_TRUE(hit) << std::hex << c.address;
        EXPECT_EQ(hit->name, c.name);
        EXPECT_EQ(hit->offset, c.offset);
    }
    EXPECT_FALSE(symbols.Find(0xFFF));
}

TEST(ElfSymbols, AFileCutAnywhereIsReadSafely) {
    const std::vector<uint8_t> file = ElfBuilder().Build();
    for (size_t cut = 0; cut < file.size(); ++cut) {
        const std::vector<uint8_t> part(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(cut));
        const auto hit = Lookup(part, 0x1004);
        if (hit) {
            EXPECT_EQ(hit->name, "FuncA") << "cut at " << cut;
        }
    }
}

TEST(ElfSymbols, LyingTablesGiveNoNames) {
    const std::pair<const char*, std::function<void(ElfBuilder&)>> lies[] = {
        {"string table index", [](ElfBuilder& b) { b.symbolLink = 99; }},
        {"table past the file", [](ElfBuilder& b) { b.symbolTableSize = 1u << 30; }},
        {"name past its table", [](ElfBuilder& b) { b.nameOverride = 5000; }},
        {"undefined symbols", [](ElfBuilder& b) { b.symbols[1].section = 0, b.symbols[2].section = 0; }},
    };
    for (const auto& [what, lie] : lies) {
        ElfBuilder builder;
        lie(builder);
        EXPECT_FALSE(Lookup(builder.Build(), 0x1004)) << what;
    }
    ElfBuilder small;
    small.symbolEntrySize = 4;  // smaller than a symbol: read at a symbol's size
    EXPECT_EQ(Lookup(small.Build(), 0x1004)->name, "FuncA");
}

TEST(ElfSymbols, DemanglingLeavesPlainNamesAlone) {
    EXPECT_EQ(Demangle("_ZN4game4TickEv"), "game::Tick()");
    EXPECT_EQ(Demangle("Shell_StartApplet"), "Shell_StartApplet");
    EXPECT_EQ(Demangle("_Zbroken"), "_Zbroken");
}

}  // namespace
