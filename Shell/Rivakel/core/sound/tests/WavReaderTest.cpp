#include <gtest/gtest.h>

#include "core/sound/WavReader.h"
#include "core/sound/tests/WavTestData.h"

namespace {

using namespace wavtest;

std::vector<int16_t> Load(const std::vector<uint8_t>& bytes) {
    auto wav = ParseWav(bytes);
    return wav ? ConvertToMixFormat(*wav) : std::vector<int16_t>{};
}

TEST(WavReader, MixFormatPassesThroughUnchanged) {
    const std::vector<int16_t> samples = {1, -1, 32767, -32768, 100, 200};
    EXPECT_EQ(Load(Pcm16(samples, 2, kMixRate)), samples);
}

TEST(WavReader, MonoEightBitAtHalfRateIsWidenedAndResampled) {
    std::vector<uint8_t> chunks;
    Chunk(chunks, "fmt ", Format(1, 1, kMixRate / 2, 8));
    Chunk(chunks, "data", {128, 255, 0});  // odd size, padded
    const auto out = Load(Riff(chunks));
    ASSERT_EQ(out.size(), 12u);  // 3 frames at half the rate become 6, stereo
    EXPECT_EQ(out[0], 0);
    EXPECT_EQ(out[1], 0);
    EXPECT_EQ(out[2], 127 * 128) << "half way between 0 and 127 x 256";
    EXPECT_EQ(out[4], 127 * 256);
    EXPECT_EQ(out[5], 127 * 256);
    EXPECT_EQ(out[8], -128 * 256);
}

TEST(WavReader, ChunksAreFoundInAnyOrderAndPaddingIsSkipped) {
    std::vector<uint8_t> chunks;
    Chunk(chunks, "LIST", {1, 2, 3});
    Chunk(chunks, "data", {1, 0, 2, 0, 3, 0, 4, 0, 9});  // a stray byte after two whole frames
    Chunk(chunks, "fmt ", Format(1, 2, kMixRate, 16, 18));
    const auto out = Load(Riff(chunks));
    EXPECT_EQ(out, (std::vector<int16_t>{1, 2, 3, 4}));
    // A RIFF size beyond the file is bounded by the file.
    EXPECT_EQ(Load(Riff(chunks, 0x7FFFFFF0)), out);
    EXPECT_EQ(Load(Riff(chunks, 0xFFFFFFFF)), out);
}

TEST(WavReader, FormatsTheMixerDoesNotTakeAreRefused) {
    const std::vector<uint8_t> data = {0, 0, 0, 0};
    struct Case { int tag, channels, rate, bits, size; };
    for (const Case c : {Case{2, 1, 22050, 16, 16}, Case{0xFFFE, 2, 22050, 16, 40}, Case{1, 0, 22050, 16, 16},
                         Case{1, 6, 22050, 16, 16}, Case{1, 1, 22050, 0, 16}, Case{1, 1, 22050, 24, 16},
                         Case{1, 1, 22050, 32, 16}, Case{1, 1, 0, 16, 16}, Case{1, 1, 22050, 16, 14}}) {
        std::vector<uint8_t> chunks;
        Chunk(chunks, "fmt ", Format(c.tag, c.channels, c.rate, c.bits, c.size));
        Chunk(chunks, "data", data);
        EXPECT_FALSE(ParseWav(Riff(chunks))) << c.tag << " " << c.channels << " " << c.rate << " " << c.bits << " " << c.size;
    }
}

TEST(WavReader, BrokenFilesAreRefusedWithoutReadingPastThem) {
    std::vector<uint8_t> noData, emptyData, oversized;
    Chunk(noData, "fmt ", Format(1, 1, 22050, 16));
    EXPECT_FALSE(ParseWav(Riff(noData)));
    emptyData = noData;
    Chunk(emptyData, "data", {});
    EXPECT_FALSE(ParseWav(Riff(emptyData)));
    oversized = noData;
    oversized.insert(oversized.end(), {'d', 'a', 't', 'a', 0xFF, 0xFF, 0xFF, 0xFF, 1, 2});
    EXPECT_FALSE(ParseWav(Riff(oversized)));
    // The RIFF size ends before the data chunk does.
    std::vector<uint8_t> whole = noData;
    Chunk(whole, "data", {1, 2, 3, 4});
    EXPECT_FALSE(ParseWav(Riff(whole, 30)));
    EXPECT_FALSE(ParseWav(std::vector<uint8_t>{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V'}));
    EXPECT_FALSE(ParseWav(std::vector<uint8_t>{'R', 'I', 'F', 'X', 4, 0, 0, 0, 'W', 'A', 'V', 'E'}));

    const std::vector<uint8_t> good = Pcm16({1, 2, 3, 4}, 2, 22050);
    for (size_t size = 0; size < good.size(); ++size) {
        const std::vector<uint8_t> cut(good.begin(), good.begin() + static_cast<long>(size));
        auto wav = ParseWav(cut);
        if (wav) {
            EXPECT_LE(wav->samples.data() + wav->samples.size(), cut.data() + cut.size());
        }
    }
}

TEST(WavReader, ConversionBeyondTheCapGivesNothing) {
    std::vector<uint8_t> chunks;
    Chunk(chunks, "fmt ", Format(1, 1, 1000, 8));
    Chunk(chunks, "data", std::vector<uint8_t>(1000, 128));
    const std::vector<uint8_t> file = Riff(chunks);
    auto wav = ParseWav(file);
    ASSERT_TRUE(wav);
    EXPECT_EQ(ConvertToMixFormat(*wav).size(), 22050u * 2);
    EXPECT_TRUE(ConvertToMixFormat(*wav, 22049).empty());
}

}  // namespace
