// The call-frame information of a module (its .eh_frame section): for any code address, how to
// find the calling frame's registers. Built once per module; only x86-64 register numbers count.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// DWARF numbers of the x86-64 registers; the return address has column 16.
enum DwarfRegister : uint32_t {
    DwRax = 0, DwRdx, DwRcx, DwRbx, DwRsi, DwRdi, DwRbp, DwRsp,
    DwR8, DwR9, DwR10, DwR11, DwR12, DwR13, DwR14, DwR15, DwReturnAddress,
    DwColumns
};

struct RegisterRule {
    enum Kind { Same, Undefined, Offset, ValueOffset, Register, Expression, ValueExpression };
    Kind kind = Same;
    int64_t offset = 0;          // from the frame's address (CFA)
    uint32_t source = 0;         // for Register
    std::span<const uint8_t> expression;
};

struct FrameRules {
    bool cfaIsExpression = false;
    uint32_t cfaRegister = DwRsp;
    int64_t cfaOffset = 0;
    std::span<const uint8_t> cfaExpression;
    std::array<RegisterRule, DwColumns> registers{};
    uint32_t returnColumn = DwReturnAddress;
    bool signalFrame = false;
};

class CallFrameInfo {
public:
    // `section` holds the .eh_frame bytes, which must outlive this; `address` is where the
    // section lies in the module. Entries that do not parse are left out.
    static CallFrameInfo Build(std::span<const uint8_t> section, uint64_t address);

    // The rules in force at `pc`, a module address; nullopt when no entry covers it or its
    // instructions do not parse.
    std::optional<FrameRules> RulesAt(uint64_t pc) const;
    size_t EntryCount() const { return entries_.size(); }

private:
    struct Entry {
        uint64_t begin = 0, end = 0;
        size_t fde = 0;  // offset of its instructions in the section
        size_t fdeEnd = 0;
        size_t cie = 0;  // offset of its common entry
    };
    struct Common {
        uint64_t codeAlign = 1;
        int64_t dataAlign = 1;
        uint32_t returnColumn = DwReturnAddress;
        uint8_t pointerEncoding = 0;
        bool hasAugmentationData = false;
        bool signalFrame = false;
        size_t instructions = 0, end = 0;
    };
    std::optional<Common> ReadCommon(size_t offset) const;

    std::span<const uint8_t> section_;
    uint64_t address_ = 0;
    std::vector<Entry> entries_;  // sorted by begin
};
