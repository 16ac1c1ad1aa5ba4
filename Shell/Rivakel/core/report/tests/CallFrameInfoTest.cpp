// Call-frame information built by hand, byte by byte, with the rules it must give at each address.
#include "core/report/CallFrameInfo.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>

#include "core/report/UnwindStep.h"

namespace {

constexpr uint64_t kSectionAddress = 0x2000;
constexpr uint64_t kFunction = 0x1000;
constexpr uint32_t kFunctionSize = 0x20;

void Put32(std::vector<uint8_t>& out, uint32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// The function entry's instructions, after its empty augmentation data.
const std::vector<uint8_t> kFunctionCode = {
    0x41, 0x0E, 16,      // at +1: CFA = rsp + 16
    0x86, 2,             // rbp at CFA - 16
    0x43, 0x0D, 6,       // at +4: CFA = rbp + 16
    0x50, 0x0A,          // at +0x14: remember
    0x0C, 7, 8,          // CFA = rsp + 8
    0x42, 0x0B,          // at +0x16: back to what was remembered
};

// One common entry ("zR", data alignment -8, return address column 16, pointers pc-relative
// 32-bit) and one function entry for [kFunction, kFunction + kFunctionSize) running `code`.
std::vector<uint8_t> EhFrame(const std::vector<uint8_t>& code = kFunctionCode) {
    std::vector<uint8_t> out;
    const std::vector<uint8_t> common = {
        0, 0, 0, 0,          // id: a common entry
        1, 'z', 'R', 0,      // version, augmentation
        1, 0x78, 16,         // code alignment 1, data alignment -8, return address column 16
        1, 0x1B,             // augmentation data: pointers pc-relative signed 32-bit
        0x0C, 7, 8,          // CFA = rsp + 8
        0x90, 1,             // return address at CFA - 8
        0, 0,                // padding
    };
    Put32(out, static_cast<uint32_t>(common.size()));
    out.insert(out.end(), common.begin(), common.end());

    const size_t entry = out.size();
    std::vector<uint8_t> body;
    const uint32_t commonPointer = static_cast<uint32_t>(entry + 4);  // back from this field to offset 0
    Put32(body, commonPointer);
    const uint64_t beginField = kSectionAddress + entry + 8;
    Put32(body, static_cast<uint32_t>(kFunction - beginField));
    Put32(body, kFunctionSize);
    body.push_back(0);  // no augmentation data
    body.insert(body.end(), code.begin(), code.end());
    Put32(out, static_cast<uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    Put32(out, 0);  // the terminator
    return out;
}

TEST(CallFrameInfo, RulesFollowTheInstructionsUpToTheAddress) {
    const std::vector<uint8_t> section = EhFrame();
    const CallFrameInfo info = CallFrameInfo::Build(section, kSectionAddress);
    ASSERT_EQ(info.EntryCount(), 1u);
    struct Case {
        uint64_t pc;
        uint32_t cfaRegister;
        int64_t cfaOffset;
        bool rbpSaved;
    };
    const Case cases[] = {
        {0x1000, DwRsp, 8, false},  {0x1001, DwRsp, 16, true}, {0x1003, DwRsp, 16, true},
        {0x1004, DwRbp, 16, true},  {0x1013, DwRbp, 16, true}, {0x1014, DwRsp, 8, true},
        {0x1015, DwRsp, 8, true},   {0x1016, DwRbp, 16, true}, {0x101F, DwRbp, 16, true},
    };
    for (const Case& c : cases) {
        const auto rules = info.RulesAt(c.pc);
        ASSERT_TRUE(rules) << std::hex << c.pc;
        EXPECT_FALSE(rules->cfaIsExpression);
        EXPECT_EQ(rules->cfaRegister, c.cfaRegister) << std::hex << c.pc;
        EXPECT_EQ(rules->cfaOffset, c.cfaOffset) << std::hex << c.pc;
        EXPECT_EQ(rules->registers[DwReturnAddress].kind, RegisterRule::Offset);
        EXPECT_EQ(rules->registers[DwReturnAddress].offset, -8);
        EXPECT_EQ(rules->registers[DwRbp].kind, c.rbpSaved ? RegisterRule::Offset : RegisterRule::Same) << std::hex << c.pc;
    }
    EXPECT_FALSE(info.RulesAt(0xFFF));
    EXPECT_FALSE(info.RulesAt(0x1020));
}

TEST(CallFrameInfo, AStepFindsTheCallerInTheStackBytes) {
    const std::vector<uint8_t> section = EhFrame();
    const CallFrameInfo info = CallFrameInfo::Build(section, kSectionAddress);
    std::vector<uint8_t> stack(0x200);
    const auto put = [&](uint64_t address, uint64_t value) { std::memcpy(&stack[address - 0x7000], &value, 8); };
    put(0x7100, 0x7180);  // the caller's rbp, saved at CFA - 16
    put(0x7108, 0x5555);  // the return address, at CFA - 8
    const StackMemory memory{0x7000, stack};
    UnwindRegisters callee{};
    callee[DwRsp] = 0x7000;
    callee[DwRbp] = 0x7100;
    callee[DwReturnAddress] = 0x1008;

    const auto caller = StepByRules(callee, *info.RulesAt(0x1008), memory);
    ASSERT_TRUE(caller);
    EXPECT_EQ((*caller)[DwReturnAddress], 0x5555u);
    EXPECT_EQ((*caller)[DwRsp], 0x7110u);
    EXPECT_EQ((*caller)[DwRbp], 0x7180u);

    const auto byFramePointer = StepByFramePointer(callee, memory);
    ASSERT_TRUE(byFramePointer);
    EXPECT_EQ(*byFramePointer, *caller);

    callee[DwRbp] = 0x7400;  // outside the bytes the crash left
    EXPECT_FALSE(StepByRules(callee, *info.RulesAt(0x1008), memory));
    EXPECT_FALSE(StepByFramePointer(callee, memory));
}

TEST(CallFrameInfo, SectionsCutAnywhereOrWithLyingLengthsAreSafe) {
    const std::vector<uint8_t> section = EhFrame();
    for (size_t cut = 0; cut <= section.size(); ++cut) {
        const CallFrameInfo info = CallFrameInfo::Build(std::span(section).first(cut), kSectionAddress);
        for (uint64_t pc = 0xFFE; pc < 0x1022; ++pc) (void)info.RulesAt(pc);
    }
    for (size_t at = 0; at < section.size(); ++at) {
        for (uint8_t lie : {uint8_t{0x00}, uint8_t{0x7F}, uint8_t{0xFF}}) {
            std::vector<uint8_t> bad = section;
            bad[at] = lie;
            const CallFrameInfo info = CallFrameInfo::Build(bad, kSectionAddress);
            for (uint64_t pc = 0xFFE; pc < 0x1022; ++pc) (void)info.RulesAt(pc);
        }
    }
}

TEST(CallFrameInfo, OffsetsThatDoNotFitRefuseTheRule) {
    // Factors times the data alignment of -8, and plain offsets, at and past what 64 bits hold.
    const std::vector<uint8_t> fits = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x0F};  // 2^60 - 1
    const std::vector<uint8_t> past = {0x81, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x10};  // 2^60 + 1
    const std::vector<uint8_t> huge = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x01};  // 2^64 - 1
    const std::vector<uint8_t> lowest = {0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x7F};  // -2^63
    const auto op = [](std::initializer_list<uint8_t> head, const std::vector<uint8_t>& number) {
        std::vector<uint8_t> code = head;
        code.insert(code.end(), number.begin(), number.end());
        return code;
    };
    struct Case {
        const char* what;
        std::vector<uint8_t> code;
        std::optional<int64_t> rbp, cfa;  // the offsets given; nullopt: refused
    };
    const int64_t most = (int64_t{1} << 60) - 1;
    const Case cases[] = {
        {"offset", op({0x86}, fits), -most * 8, 8},
        {"offset", op({0x86}, past), std::nullopt, std::nullopt},
        {"offset_extended", op({0x05, 6}, past), std::nullopt, std::nullopt},
        {"offset_extended_sf", op({0x11, 6}, lowest), std::nullopt, std::nullopt},
        {"val_offset", op({0x14, 6}, huge), std::nullopt, std::nullopt},
        {"val_offset_sf", op({0x15, 6}, lowest), std::nullopt, std::nullopt},
        {"negative_offset_extended", op({0x2F, 6}, fits), most * 8, 8},
        {"negative_offset_extended", op({0x2F, 6}, huge), std::nullopt, std::nullopt},
        {"def_cfa_sf", op({0x12, 7}, lowest), std::nullopt, std::nullopt},
        {"def_cfa_offset_sf", op({0x13}, lowest), std::nullopt, std::nullopt},
        {"def_cfa", op({0x0C, 7}, huge), std::nullopt, std::nullopt},
        {"def_cfa_offset", op({0x0E}, huge), std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        const std::vector<uint8_t> section = EhFrame(c.code);
        const CallFrameInfo info = CallFrameInfo::Build(section, kSectionAddress);
        ASSERT_EQ(info.EntryCount(), 1u) << c.what;
        const std::optional<FrameRules> rules = info.RulesAt(kFunction);
        ASSERT_EQ(rules.has_value(), c.rbp.has_value()) << c.what;
        if (!rules) continue;
        EXPECT_EQ(rules->registers[DwRbp].offset, *c.rbp) << c.what;
        EXPECT_EQ(rules->cfaOffset, *c.cfa) << c.what;
    }
}

TEST(UnwindStep, ExpressionsOfProcedureLinkageStubsEvaluate) {
    // CFA = rsp + 8 + ((rip & 15) >= 11 ? 8 : 0), as stubs that push describe themselves.
    const std::vector<uint8_t> expression = {0x77, 8, 0x80, 0, 0x3F, 0x1A, 0x3B, 0x2A, 0x33, 0x24, 0x22};
    UnwindRegisters registers{};
    registers[DwRsp] = 0x7000;
    const StackMemory none;
    registers[DwReturnAddress] = 0x100C;
    EXPECT_EQ(EvaluateExpression(expression, registers, none, std::nullopt), 0x7010u);
    registers[DwReturnAddress] = 0x1005;
    EXPECT_EQ(EvaluateExpression(expression, registers, none, std::nullopt), 0x7008u);
    registers[DwRsp] = std::nullopt;
    EXPECT_FALSE(EvaluateExpression(expression, registers, none, std::nullopt));

    EXPECT_FALSE(EvaluateExpression(std::vector<uint8_t>{0x22}, registers, none, std::nullopt)) << "too few operands";
    EXPECT_FALSE(EvaluateExpression(std::vector<uint8_t>{0x2F, 0xFD, 0xFF}, registers, none, std::nullopt))
        << "a jump back onto itself runs out of steps";
    EXPECT_FALSE(EvaluateExpression(std::vector<uint8_t>{0x30, 0x06}, registers, none, std::nullopt))
        << "memory the crash did not leave";
}

}  // namespace
