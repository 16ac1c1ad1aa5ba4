#include "core/base/ByteOrder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

namespace {

TEST(ByteOrder, FieldsReadLowestByteFirstWhateverTheMachine) {
    constexpr std::array<uint8_t, 8> kBytes = {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF};
    EXPECT_EQ(ReadLe16(kBytes.data()), 0x2301u);
    EXPECT_EQ(ReadLe32(kBytes.data()), 0x67452301u);
    EXPECT_EQ(ReadLe64(kBytes.data()), 0xEFCDAB8967452301u);
    EXPECT_EQ(ReadLe32(kBytes.data() + 4), 0xEFCDAB89u) << "high bytes stay unsigned";
}

TEST(ByteOrder, WritingKeepsOnlyTheFieldsBytesAndReadsBack) {
    std::array<uint8_t, 6> bytes{};
    bytes.fill(0xEE);
    WriteLe(bytes.data() + 1, 0x1122334455667788u, 4);
    EXPECT_EQ(bytes, (std::array<uint8_t, 6>{0xEE, 0x88, 0x77, 0x66, 0x55, 0xEE}));

    std::vector<uint8_t> out = {0xAA};
    AppendLe(out, 0xBEEF, 2);
    AppendLe(out, 0xFFFFFFFFu, 4);
    EXPECT_EQ(out, (std::vector<uint8_t>{0xAA, 0xEF, 0xBE, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(ReadLe16(out.data() + 1), 0xBEEF);
}

}  // namespace
