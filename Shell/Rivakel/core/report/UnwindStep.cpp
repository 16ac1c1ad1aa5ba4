#include "core/report/UnwindStep.h"

#include <vector>

#include "core/report/DwarfCursor.h"
#include "core/resources/ElfImage.h"

namespace {

constexpr size_t kMaxExpressionStack = 64;
constexpr int kMaxExpressionSteps = 1000;

std::optional<uint64_t> RegisterValue(const UnwindRegisters& registers, uint64_t number) {
    return number < registers.size() ? registers[number] : std::nullopt;
}

// Binary operators on the two top values: second (below) op top.
std::optional<uint64_t> Binary(uint8_t op, uint64_t below, uint64_t top) {
    const auto signedBelow = static_cast<int64_t>(below);
    const auto signedTop = static_cast<int64_t>(top);
    switch (op) {
    case 0x1A: return below & top;
    case 0x1B:
        if (signedTop == 0) return std::nullopt;
        // The one quotient that does not fit wraps, as the rest of the arithmetic here does.
        if (signedTop == -1) return 0 - below;
        return static_cast<uint64_t>(signedBelow / signedTop);
    case 0x1C: return below - top;
    case 0x1D: return top == 0 ? std::nullopt : std::optional<uint64_t>(below % top);
    case 0x1E: return below * top;
    case 0x21: return below | top;
    case 0x22: return below + top;
    case 0x24: return top >= 64 ? 0 : below << top;
    case 0x25: return top >= 64 ? 0 : below >> top;
    case 0x26: return static_cast<uint64_t>(signedBelow >> std::min<uint64_t>(top, 63));
    case 0x27: return below ^ top;
    case 0x29: return uint64_t{below == top};
    case 0x2A: return uint64_t{signedBelow >= signedTop};
    case 0x2B: return uint64_t{signedBelow > signedTop};
    case 0x2C: return uint64_t{signedBelow <= signedTop};
    case 0x2D: return uint64_t{signedBelow < signedTop};
    case 0x2E: return uint64_t{below != top};
    default: return std::nullopt;
    }
}

}  // namespace

std::optional<uint64_t> StackMemory::Read64(uint64_t address) const {
    if (!Holds(address) || bytes.size() - (address - start) < 8) return std::nullopt;
    return ReadLe64(bytes.data() + (address - start));
}

std::optional<uint64_t> EvaluateExpression(std::span<const uint8_t> expression, const UnwindRegisters& registers,
                                           const StackMemory& memory, std::optional<uint64_t> initial) {
    std::vector<uint64_t> stack;
    if (initial) stack.push_back(*initial);
    DwarfCursor cursor(expression);
    const auto push = [&](std::optional<uint64_t> value) {
        if (!value || stack.size() >= kMaxExpressionStack) return false;
        stack.push_back(*value);
        return true;
    };
    const auto pop = [&]() -> std::optional<uint64_t> {
        if (stack.empty()) return std::nullopt;
        const uint64_t top = stack.back();
        stack.pop_back();
        return top;
    };
    for (int steps = 0; !cursor.AtEnd(); ++steps) {
        if (steps >= kMaxExpressionSteps || cursor.Failed()) return std::nullopt;
        const uint8_t op = cursor.U8();
        bool ok = true;
        if (op >= 0x30 && op <= 0x4F) {
            ok = push(uint64_t{op - 0x30u});
        } else if (op >= 0x70 && op <= 0x8F) {
            const std::optional<uint64_t> base = RegisterValue(registers, op - 0x70u);
            const int64_t offset = cursor.Sleb();
            ok = push(base ? std::optional<uint64_t>(*base + static_cast<uint64_t>(offset)) : std::nullopt);
        } else {
            switch (op) {
            case 0x06: ok = push(stack.empty() ? std::nullopt : memory.Read64(*pop())); break;
            case 0x08: ok = push(cursor.U8()); break;
            case 0x09: ok = push(static_cast<uint64_t>(static_cast<int64_t>(static_cast<int8_t>(cursor.U8())))); break;
            case 0x0A: ok = push(cursor.U16()); break;
            case 0x0B: ok = push(static_cast<uint64_t>(static_cast<int64_t>(static_cast<int16_t>(cursor.U16())))); break;
            case 0x0C: ok = push(cursor.U32()); break;
            case 0x0D: ok = push(static_cast<uint64_t>(static_cast<int64_t>(static_cast<int32_t>(cursor.U32())))); break;
            case 0x0E:
            case 0x0F: ok = push(cursor.U64()); break;
            case 0x10: ok = push(cursor.Uleb()); break;
            case 0x11: ok = push(static_cast<uint64_t>(cursor.Sleb())); break;
            case 0x12: ok = !stack.empty() && push(stack.back()); break;
            case 0x13: ok = pop().has_value(); break;
            case 0x14: ok = stack.size() >= 2 && push(stack[stack.size() - 2]); break;
            case 0x16:
                ok = stack.size() >= 2;
                if (ok) std::swap(stack[stack.size() - 1], stack[stack.size() - 2]);
                break;
            case 0x1F: ok = !stack.empty(); if (ok) stack.back() = ~stack.back() + 1; break;
            case 0x20: ok = !stack.empty(); if (ok) stack.back() = ~stack.back(); break;
            case 0x23: ok = !stack.empty(); if (ok) stack.back() += cursor.Uleb(); break;
            case 0x92: {
                const std::optional<uint64_t> base = RegisterValue(registers, cursor.Uleb());
                const int64_t offset = cursor.Sleb();
                ok = push(base ? std::optional<uint64_t>(*base + static_cast<uint64_t>(offset)) : std::nullopt);
                break;
            }
            case 0x2F:
            case 0x28: {
                const auto jump = static_cast<int16_t>(cursor.U16());
                bool taken = true;
                if (op == 0x28) {
                    const std::optional<uint64_t> condition = pop();
                    ok = condition.has_value();
                    taken = ok && *condition != 0;
                }
                if (ok && taken) {
                    const int64_t to = static_cast<int64_t>(cursor.Position()) + jump;
                    if (to < 0 || static_cast<uint64_t>(to) > expression.size()) return std::nullopt;
                    cursor = DwarfCursor(expression);
                    cursor.Skip(static_cast<uint64_t>(to));
                }
                break;
            }
            case 0x96: break;
            default: {
                const std::optional<uint64_t> top = pop();
                const std::optional<uint64_t> below = pop();
                ok = top && below && push(Binary(op, *below, *top));
                break;
            }
            }
        }
        if (!ok || cursor.Failed()) return std::nullopt;
    }
    return stack.empty() ? std::nullopt : std::optional<uint64_t>(stack.back());
}

std::optional<UnwindRegisters> StepByRules(const UnwindRegisters& callee, const FrameRules& rules,
                                           const StackMemory& memory) {
    const std::optional<uint64_t> cfa =
        rules.cfaIsExpression ? EvaluateExpression(rules.cfaExpression, callee, memory, std::nullopt)
        : RegisterValue(callee, rules.cfaRegister)
            ? std::optional<uint64_t>(*RegisterValue(callee, rules.cfaRegister) + static_cast<uint64_t>(rules.cfaOffset))
            : std::nullopt;
    if (!cfa) return std::nullopt;
    UnwindRegisters caller{};
    for (uint32_t column = 0; column < DwColumns; ++column) {
        const RegisterRule& rule = rules.registers[column];
        switch (rule.kind) {
        case RegisterRule::Same: caller[column] = callee[column]; break;
        case RegisterRule::Undefined: caller[column] = std::nullopt; break;
        case RegisterRule::Offset: caller[column] = memory.Read64(*cfa + static_cast<uint64_t>(rule.offset)); break;
        case RegisterRule::ValueOffset: caller[column] = *cfa + static_cast<uint64_t>(rule.offset); break;
        case RegisterRule::Register: caller[column] = RegisterValue(callee, rule.source); break;
        case RegisterRule::Expression: {
            const std::optional<uint64_t> at = EvaluateExpression(rule.expression, callee, memory, cfa);
            caller[column] = at ? memory.Read64(*at) : std::nullopt;
            break;
        }
        case RegisterRule::ValueExpression:
            caller[column] = EvaluateExpression(rule.expression, callee, memory, cfa);
            break;
        }
    }
    // The caller's code address is the callee's return address; its stack pointer is the CFA.
    caller[DwReturnAddress] = caller[rules.returnColumn];
    if (rules.registers[rules.returnColumn].kind == RegisterRule::Same) return std::nullopt;
    caller[DwRsp] = *cfa;
    if (!caller[DwReturnAddress] || *caller[DwReturnAddress] == 0) return std::nullopt;
    return caller;
}

std::optional<UnwindRegisters> StepByFramePointer(const UnwindRegisters& callee, const StackMemory& memory) {
    const std::optional<uint64_t> frame = callee[DwRbp];
    const std::optional<uint64_t> stackPointer = callee[DwRsp];
    if (!frame || !stackPointer || *frame < *stackPointer || *frame % 8 != 0) return std::nullopt;
    const std::optional<uint64_t> savedFrame = memory.Read64(*frame);
    const std::optional<uint64_t> returnAddress = memory.Read64(*frame + 8);
    if (!savedFrame || !returnAddress || *returnAddress == 0) return std::nullopt;
    UnwindRegisters caller = callee;
    caller[DwRbp] = savedFrame;
    caller[DwRsp] = *frame + 16;
    caller[DwReturnAddress] = returnAddress;
    return caller;
}
