#include "core/report/CallFrameInfo.h"

#include <algorithm>
#include <cstdint>
#include <map>

#include "core/report/DwarfCursor.h"

namespace {

// Nesting of remembered states a well-formed entry never comes near.
constexpr size_t kMaxRememberedStates = 32;

struct EntryHeader {
    size_t idAt = 0;
    size_t contentEnd = 0;  // one past the entry
    uint64_t id = 0;
    size_t afterId = 0;
    bool terminator = false;
};

std::optional<EntryHeader> ReadEntryHeader(std::span<const uint8_t> section, size_t offset) {
    if (offset >= section.size()) return std::nullopt;
    DwarfCursor cursor(section.subspan(offset));
    EntryHeader header;
    uint64_t length = cursor.U32();
    const bool wide = length == 0xFFFFFFFFu;
    if (wide) length = cursor.U64();
    if (cursor.Failed()) return std::nullopt;
    if (length == 0) {
        header.terminator = true;
        return header;
    }
    if (length > cursor.Left()) return std::nullopt;
    header.idAt = offset + cursor.Position();
    header.contentEnd = header.idAt + static_cast<size_t>(length);
    header.id = wide ? cursor.U64() : cursor.U32();
    header.afterId = offset + cursor.Position();
    if (cursor.Failed() || header.afterId > header.contentEnd) return std::nullopt;
    return header;
}

RegisterRule MakeRule(RegisterRule::Kind kind, int64_t offset = 0, uint32_t source = 0,
                      std::span<const uint8_t> expression = {}) {
    RegisterRule rule;
    rule.kind = kind;
    rule.offset = offset;
    rule.source = source;
    rule.expression = expression;
    return rule;
}

void SetRule(FrameRules& rules, uint64_t column, RegisterRule rule) {
    if (column < DwColumns) rules.registers[column] = rule;
}

// An unsigned operand taken as a signed number; nullopt past what one holds.
std::optional<int64_t> AsSigned(uint64_t value) {
    if (value > static_cast<uint64_t>(INT64_MAX)) return std::nullopt;
    return static_cast<int64_t>(value);
}

// A factored offset: the factor times the data alignment; nullopt when either is missing or the
// product does not fit, so a rule that would overflow is refused rather than wrapped.
std::optional<int64_t> Factored(std::optional<int64_t> factor, int64_t dataAlign) {
    int64_t product = 0;
    if (!factor || __builtin_mul_overflow(*factor, dataAlign, &product)) return std::nullopt;
    return product;
}

struct CfaProgram {
    uint64_t codeAlign = 1;
    int64_t dataAlign = 1;
    uint8_t pointerEncoding = 0;
};

// Runs call-frame instructions until the location passes `target`. `initial` holds the rules
// after the common entry's instructions (for the restore operations); null while running those.
bool Execute(DwarfCursor& cursor, FrameRules& rules, const FrameRules* initial, const CfaProgram& program,
                    uint64_t location, uint64_t target) {
    std::vector<FrameRules> remembered;
    const auto restore = [&](uint64_t column) {
        if (column < DwColumns) rules.registers[column] = initial != nullptr ? initial->registers[column] : RegisterRule{};
    };
    // False for an offset that did not fit: the whole entry is refused.
    const auto setOffset = [&](uint64_t column, RegisterRule::Kind kind, std::optional<int64_t> offset) {
        if (offset) SetRule(rules, column, MakeRule(kind, *offset));
        return offset.has_value();
    };
    const auto setCfaOffset = [&](std::optional<int64_t> offset) {
        if (offset) rules.cfaOffset = *offset;
        return offset.has_value();
    };
    const auto advance = [&](uint64_t delta) {
        location += delta * program.codeAlign;
        return location <= target;
    };
    while (!cursor.AtEnd() && !cursor.Failed()) {
        const uint8_t op = cursor.U8();
        const uint8_t low = op & 0x3F;
        switch (op & 0xC0) {
        case 0x40:
            if (!advance(low)) return true;
            continue;
        case 0x80:
            if (!setOffset(low, RegisterRule::Offset, Factored(AsSigned(cursor.Uleb()), program.dataAlign))) return false;
            continue;
        case 0xC0:
            restore(low);
            continue;
        default:
            break;
        }
        switch (op) {
        case 0x00: break;
        case 0x01: {
            const std::optional<uint64_t> to = cursor.Pointer(program.pointerEncoding);
            if (!to) return false;
            location = *to;
            if (location > target) return true;
            break;
        }
        case 0x02: if (!advance(cursor.U8())) return true; break;
        case 0x03: if (!advance(cursor.U16())) return true; break;
        case 0x04: if (!advance(cursor.U32())) return true; break;
        case 0x05: {
            const uint64_t column = cursor.Uleb();
            if (!setOffset(column, RegisterRule::Offset, Factored(AsSigned(cursor.Uleb()), program.dataAlign))) return false;
            break;
        }
        case 0x06: restore(cursor.Uleb()); break;
        case 0x07: SetRule(rules, cursor.Uleb(), MakeRule(RegisterRule::Undefined)); break;
        case 0x08: SetRule(rules, cursor.Uleb(), MakeRule(RegisterRule::Same)); break;
        case 0x09: {
            const uint64_t column = cursor.Uleb();
            const uint64_t source = cursor.Uleb();
            if (source >= DwColumns) return false;
            SetRule(rules, column, MakeRule(RegisterRule::Register, 0, static_cast<uint32_t>(source)));
            break;
        }
        case 0x0A:
            if (remembered.size() >= kMaxRememberedStates) return false;
            remembered.push_back(rules);
            break;
        case 0x0B:
            if (remembered.empty()) return false;
            rules = remembered.back();
            remembered.pop_back();
            break;
        case 0x0C:
            rules.cfaIsExpression = false;
            rules.cfaRegister = static_cast<uint32_t>(std::min<uint64_t>(cursor.Uleb(), DwColumns));
            if (!setCfaOffset(AsSigned(cursor.Uleb()))) return false;
            break;
        case 0x0D:
            rules.cfaIsExpression = false;
            rules.cfaRegister = static_cast<uint32_t>(std::min<uint64_t>(cursor.Uleb(), DwColumns));
            break;
        case 0x0E:
            if (!setCfaOffset(AsSigned(cursor.Uleb()))) return false;
            break;
        case 0x0F:
            rules.cfaIsExpression = true;
            rules.cfaExpression = cursor.Bytes(cursor.Uleb());
            break;
        case 0x10:
        case 0x16: {
            const uint64_t column = cursor.Uleb();
            const auto expression = cursor.Bytes(cursor.Uleb());
            SetRule(rules, column,
                    MakeRule(op == 0x10 ? RegisterRule::Expression : RegisterRule::ValueExpression, 0, 0, expression));
            break;
        }
        case 0x11: {
            const uint64_t column = cursor.Uleb();
            if (!setOffset(column, RegisterRule::Offset, Factored(cursor.Sleb(), program.dataAlign))) return false;
            break;
        }
        case 0x12:
            rules.cfaIsExpression = false;
            rules.cfaRegister = static_cast<uint32_t>(std::min<uint64_t>(cursor.Uleb(), DwColumns));
            if (!setCfaOffset(Factored(cursor.Sleb(), program.dataAlign))) return false;
            break;
        case 0x13:
            if (!setCfaOffset(Factored(cursor.Sleb(), program.dataAlign))) return false;
            break;
        case 0x14:
        case 0x15: {
            const uint64_t column = cursor.Uleb();
            const std::optional<int64_t> factor = op == 0x14 ? AsSigned(cursor.Uleb()) : cursor.Sleb();
            if (!setOffset(column, RegisterRule::ValueOffset, Factored(factor, program.dataAlign))) return false;
            break;
        }
        case 0x2E: cursor.Uleb(); break;
        case 0x2F: {
            const uint64_t column = cursor.Uleb();
            // The factor is at most INT64_MAX, so its negation fits.
            const std::optional<int64_t> factor = AsSigned(cursor.Uleb());
            const std::optional<int64_t> negated = factor ? std::optional<int64_t>(-*factor) : std::nullopt;
            if (!setOffset(column, RegisterRule::Offset, Factored(negated, program.dataAlign))) return false;
            break;
        }
        default:
            return false;
        }
    }
    return !cursor.Failed();
}

}  // namespace

std::optional<CallFrameInfo::Common> CallFrameInfo::ReadCommon(size_t offset) const {
    const std::optional<EntryHeader> header = ReadEntryHeader(section_, offset);
    if (!header || header->terminator || header->id != 0) return std::nullopt;
    DwarfCursor cursor(section_.subspan(header->afterId, header->contentEnd - header->afterId));
    Common common;
    const uint8_t version = cursor.U8();
    if (version != 1 && version != 3 && version != 4) return std::nullopt;
    const std::span<const uint8_t> augmentation = cursor.Text();
    if (version == 4 && (cursor.U8() != 8 || cursor.U8() != 0)) return std::nullopt;
    common.codeAlign = cursor.Uleb();
    common.dataAlign = cursor.Sleb();
    const uint64_t returnColumn = version == 1 ? cursor.U8() : cursor.Uleb();
    if (returnColumn >= DwColumns) return std::nullopt;
    common.returnColumn = static_cast<uint32_t>(returnColumn);
    if (!augmentation.empty()) {
        if (augmentation[0] != 'z') return std::nullopt;
        common.hasAugmentationData = true;
        DwarfCursor data(cursor.Bytes(cursor.Uleb()));
        for (size_t i = 1; i < augmentation.size() && !data.Failed(); ++i) {
            const char c = static_cast<char>(augmentation[i]);
            if (c == 'R') common.pointerEncoding = data.U8();
            else if (c == 'L') data.U8();
            else if (c == 'P') data.Pointer(data.U8());
            else if (c == 'S') common.signalFrame = true;
            else if (c != 'B') break;
        }
        if (data.Failed()) return std::nullopt;
    }
    if (cursor.Failed()) return std::nullopt;
    common.instructions = header->afterId + cursor.Position();
    common.end = header->contentEnd;
    return common;
}

CallFrameInfo CallFrameInfo::Build(std::span<const uint8_t> section, uint64_t address) {
    CallFrameInfo info;
    info.section_ = section;
    info.address_ = address;
    std::map<size_t, std::optional<Common>> commons;
    size_t offset = 0;
    while (const std::optional<EntryHeader> header = ReadEntryHeader(section, offset)) {
        if (header->terminator) break;
        offset = header->contentEnd;
        if (header->id == 0 || header->id > header->idAt) continue;
        const size_t cieAt = header->idAt - static_cast<size_t>(header->id);
        auto known = commons.find(cieAt);
        if (known == commons.end()) known = commons.emplace(cieAt, info.ReadCommon(cieAt)).first;
        if (!known->second) continue;
        const Common& common = *known->second;
        DwarfCursor cursor(section.subspan(header->afterId, header->contentEnd - header->afterId),
                           address + header->afterId);
        const std::optional<uint64_t> begin = cursor.Pointer(common.pointerEncoding);
        const std::optional<uint64_t> range = cursor.Pointer(common.pointerEncoding & 0x0F);
        if (common.hasAugmentationData) cursor.Skip(cursor.Uleb());
        if (cursor.Failed() || !begin || !range || *range == 0 || *begin + *range < *begin) continue;
        info.entries_.push_back({*begin, *begin + *range, header->afterId + cursor.Position(), header->contentEnd, cieAt});
    }
    std::sort(info.entries_.begin(), info.entries_.end(), [](const Entry& a, const Entry& b) { return a.begin < b.begin; });
    return info;
}

std::optional<FrameRules> CallFrameInfo::RulesAt(uint64_t pc) const {
    auto after = std::upper_bound(entries_.begin(), entries_.end(), pc,
                                  [](uint64_t value, const Entry& entry) { return value < entry.begin; });
    if (after == entries_.begin()) return std::nullopt;
    const Entry& entry = *(after - 1);
    if (pc >= entry.end) return std::nullopt;
    const std::optional<Common> common = ReadCommon(entry.cie);
    if (!common) return std::nullopt;

    FrameRules rules;
    rules.returnColumn = common->returnColumn;
    rules.signalFrame = common->signalFrame;
    const CfaProgram program{common->codeAlign, common->dataAlign, common->pointerEncoding};
    DwarfCursor initialCode(section_.subspan(common->instructions, common->end - common->instructions),
                            address_ + common->instructions);
    if (!Execute(initialCode, rules, nullptr, program, 0, ~uint64_t{0})) return std::nullopt;
    const FrameRules initial = rules;
    DwarfCursor code(section_.subspan(entry.fde, entry.fdeEnd - entry.fde), address_ + entry.fde);
    if (!Execute(code, rules, &initial, program, entry.begin, pc)) return std::nullopt;
    return rules;
}
