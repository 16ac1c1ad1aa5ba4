#include <gtest/gtest.h>

#include <gif_lib.h>

#include <cstring>
#include <set>

#include "art/ArtCheck.h"
#include "art/Canvas.h"
#include "art/GifWriter.h"
#include "art/PngWriter.h"
#include "art/Quantiser.h"
#include "art/Sound.h"

namespace {

using art::Canvas;
using art::kKey;
using art::Paint;
using art::Path;

TEST(SizeFromNameTest, ReadsSizesAndFrameCountsAtTheEndOfTheStem) {
    const auto plain = art::SizeFromName("ani-brownbubble_pop-32x32.gif");
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->width, 32);
    EXPECT_EQ(plain->height, 32);
    EXPECT_EQ(plain->frames, 0);
    const auto framed = art::SizeFromName("ani-wave-121x76x8.gif");
    ASSERT_TRUE(framed);
    EXPECT_EQ(framed->width, 121);
    EXPECT_EQ(framed->frames, 8);
    for (const char* none : {"img-splash.gif", "Pointer.cur", "x-32.gif", "a32x32.gif", "ani-1x2x3x4.gif", "-x5.gif"})
        EXPECT_FALSE(art::SizeFromName(none)) << none;
}

TEST(CanvasTest, EdgesAgainstTheKeyStayHardWhileInsideEdgesBlend) {
    Canvas c(20, 20);
    c.Fill(Path::Ellipse(10, 10, 7.3f, 7.3f), 0x336699);
    std::set<uint32_t> seen(c.Pixels().begin(), c.Pixels().end());
    EXPECT_EQ(seen, (std::set<uint32_t>{kKey, 0x336699}));  // no fringe into the key

    c.Fill(Path::Ellipse(10, 10, 3.3f, 3.3f), 0xFFFFFF);
    seen = {c.Pixels().begin(), c.Pixels().end()};
    EXPECT_GT(seen.size(), 3u);  // blended edge inside the disc
    EXPECT_EQ(c.Faults(), 0);
}

TEST(CanvasTest, PaintingTheKeyIsAFaultButErasingIsNot) {
    Canvas c(8, 8);
    c.Clear(0x112233);
    c.Erase(Path::Rect(0, 0, 4, 8));
    EXPECT_EQ(c.At(1, 1), kKey);
    EXPECT_EQ(c.At(6, 1), 0x112233u);
    EXPECT_EQ(c.Faults(), 0);
    c.Fill(Path::Rect(4, 0, 4, 8), kKey);
    EXPECT_GT(c.Faults(), 0);
}

TEST(CanvasTest, BlendsAndGradientsNeverLandOnTheKey) {
    Canvas c(64, 4);
    c.Clear(0xFF00FE);
    c.Fill(Path::Rect(0, 0, 64, 2), Paint::Linear(0, 0, 64, 0, {{0, 0xFF00F0}, {1, 0xFF00FF}}));
    c.Fill(Path::Rect(0.5f, 2, 63, 2), 0xFF0100);
    for (const uint32_t p : c.Pixels()) EXPECT_NE(p, kKey);
}

TEST(PathTest, SvgRelativeFormsMatchAbsoluteOnes) {
    const auto absolute = Path::FromSvg("M2 2 L10 2 H14 V10 C14 12 12 14 10 14 Q6 14 2 10 A4 4 0 0 1 2 2 Z");
    const auto relative = Path::FromSvg("m2,2 l8,0 h4 v8 c0 2-2 4-4 4 q-4 0-8-4 a4 4 0 0 1 0-8z");
    ASSERT_TRUE(absolute && relative);
    Canvas a(16, 16), b(16, 16);
    a.Fill(*absolute, 0x123456);
    b.Fill(*relative, 0x123456);
    EXPECT_EQ(a.Pixels(), b.Pixels());
    std::string error;
    EXPECT_FALSE(Path::FromSvg("M 1", &error));
    EXPECT_FALSE(Path::FromSvg("10 10", &error));
    EXPECT_FALSE(Path::FromSvg("M0 0 A1 1 0 2 0 3 3", &error));
    EXPECT_FALSE(Path::FromSvg("M0 0 X1 1", &error));
}

TEST(PathTest, EvenOddLeavesTheHoleThatNonZeroFills) {
    const auto ring = Path::FromSvg("M0 0 H20 V20 H0 Z M5 5 H15 V15 H5 Z");  // both squares turn the same way
    ASSERT_TRUE(ring);
    Canvas evenOdd(20, 20), nonZero(20, 20);
    evenOdd.Fill(*ring, 0x00AA00, art::FillRule::EvenOdd);
    nonZero.Fill(*ring, 0x00AA00, art::FillRule::NonZero);
    EXPECT_EQ(evenOdd.At(10, 10), kKey);
    EXPECT_EQ(nonZero.At(10, 10), 0x00AA00u);
    EXPECT_EQ(evenOdd.At(2, 2), 0x00AA00u);
}

TEST(QuantiserTest, ManyColoursNeverMapOntoTheKey) {
    Canvas c(128, 128);
    c.Fill(Path::Rect(0, 0, 128, 128), Paint::Linear(0, 0, 128, 128, {{0, 0xFF00E0}, {0.5f, 0xFF20FF}, {1, 0x00FF00}}));
    c.Fill(Path::Rect(0, 0, 128, 128), Paint::Radial(64, 64, 90, {{0, 0xFE00FF}, {1, 0x0000FF}}));
    c.Erase(Path::Ellipse(64, 64, 20, 20));
    const std::vector<Canvas> frames{c};
    const auto q = art::Quantise(frames);
    EXPECT_LE(q.palette.size(), 256u);
    EXPECT_TRUE(art::CheckQuantised(frames, q).empty());
}

int ReadFromSpan(GifFileType* gif, GifByteType* out, int length) {
    auto* span = static_cast<std::span<const uint8_t>*>(gif->UserData);
    const int n = std::min<int>(length, static_cast<int>(span->size()));
    std::memcpy(out, span->data(), n);
    *span = span->subspan(n);
    return n;
}

TEST(GifWriterTest, WritesFramesDelaysTransparencyAndTheLoop) {
    std::vector<Canvas> frames;
    for (int i = 0; i < 3; ++i) {
        Canvas f(10, 6);
        f.Fill(Path::Rect(static_cast<float>(i * 3), 0, 3, 6), 0x0000FF);
        frames.push_back(std::move(f));
    }
    const int delays[] = {5, 10, 20};
    std::string error;
    const auto gif = art::EncodeGif(frames, delays, true, &error);
    ASSERT_TRUE(gif) << error;

    std::span<const uint8_t> input(*gif);
    int code = 0;
    GifFileType* file = DGifOpen(&input, ReadFromSpan, &code);
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(DGifSlurp(file), GIF_OK);
    EXPECT_EQ(file->SWidth, 10);
    EXPECT_EQ(file->SHeight, 6);
    ASSERT_EQ(file->ImageCount, 3);
    bool loop = false;
    for (int i = 0; i < file->ImageCount; ++i) {
        GraphicsControlBlock control;
        ASSERT_EQ(DGifSavedExtensionToGCB(file, i, &control), GIF_OK);
        EXPECT_EQ(control.DelayTime, delays[i]);
        EXPECT_EQ(control.TransparentColor, 0);
        const GifByteType* pixels = file->SavedImages[i].RasterBits;
        EXPECT_EQ(pixels[i * 3], pixels[i * 3 + 1]);
        EXPECT_NE(pixels[i * 3], 0);                       // the bar is visible
        EXPECT_EQ(pixels[((i + 1) % 3) * 3], 0);            // the rest is transparent
    }
    for (int i = 0; i < file->SavedImages[0].ExtensionBlockCount; ++i) {
        const ExtensionBlock& block = file->SavedImages[0].ExtensionBlocks[i];
        if (block.Function == APPLICATION_EXT_FUNC_CODE && block.ByteCount == 11 &&
            std::memcmp(block.Bytes, "NETSCAPE2.0", 11) == 0)
            loop = true;
    }
    EXPECT_TRUE(loop);
    ColorMapObject* map = file->SColorMap;
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(map->Colors[0].Red, 0xFF);
    EXPECT_EQ(map->Colors[0].Green, 0x00);
    EXPECT_EQ(map->Colors[0].Blue, 0xFF);
    DGifCloseFile(file, &code);

    const std::vector<Canvas> mixed{Canvas(4, 4), Canvas(5, 4)};
    EXPECT_FALSE(art::EncodeGif(mixed, {}, false, &error));
}

TEST(SoundTest, WavHeaderAndFadesAreRight) {
    art::Sound tone = art::Tone(440, 440, 0.1, art::Wave::Square);
    art::Normalise(tone, -3.0);
    art::FadeEdges(tone);
    EXPECT_NEAR(tone.PeakDbfs(), -3.0, 0.01);
    EXPECT_EQ(tone.samples.front(), 0.0f);
    const auto wav = art::EncodeWav(art::ToStereo(tone));
    ASSERT_EQ(wav.size(), 44 + tone.Frames() * 4);
    EXPECT_EQ(std::memcmp(wav.data(), "RIFF", 4), 0);
    EXPECT_EQ(std::memcmp(wav.data() + 8, "WAVEfmt ", 8), 0);
    EXPECT_EQ(wav[22], 2);                                  // channels
    EXPECT_EQ(wav[24] | wav[25] << 8, art::kSampleRate);
    EXPECT_EQ(wav[34], 16);                                 // bits
    EXPECT_EQ(static_cast<size_t>(wav[40] | wav[41] << 8 | wav[42] << 16), tone.Frames() * 4);
}

TEST(PngWriterTest, WritesAValidSignatureAndSize) {
    Canvas c(300, 250);  // more than one stored block
    c.Clear(0x808080);
    const auto png = art::EncodePng(c);
    ASSERT_GT(png.size(), 300u * 250 * 3);
    EXPECT_EQ(std::memcmp(png.data(), "\x89PNG\r\n\x1a\n", 8), 0);
    EXPECT_EQ(png[16] << 24 | png[17] << 16 | png[18] << 8 | png[19], 300);
    EXPECT_EQ(std::memcmp(png.data() + png.size() - 8, "IEND", 4), 0);
}

TEST(ArtCheckTest, ReportsSizeFrameAndKeyMistakes) {
    const art::ImageRecipe wrong{"ani-ball-16x16x2.gif", 16, 15, 2, [] { return art::Picture{}; }};
    Canvas frame(16, 15);
    frame.Set(0, 0, kKey);
    art::Picture picture;
    picture.frames.push_back(frame);
    picture.delays = {10};
    const auto problems = art::CheckPicture(wrong, picture);
    EXPECT_EQ(problems.size(), 3u);  // name size, frame count, key painted
    const art::ImageRecipe cursor{"Arrow.gif", 8, 8, 1, [] { return art::Picture{}; }, 9, 0};
    EXPECT_FALSE(art::CheckPicture(cursor, art::Still(Canvas(8, 8))).empty());
}

TEST(ArtCheckTest, ReadsACountBeforeTheCellSizeAsAStripOfCells) {
    const art::ImageRecipe strip{"img-cells-7x32x32.gif", 224, 32, 1, [] { return art::Picture{}; }};
    EXPECT_TRUE(art::CheckPicture(strip, art::Still(Canvas(224, 32))).empty());
    const art::ImageRecipe cut{"img-cells-7x32x32.gif", 220, 32, 1, [] { return art::Picture{}; }};
    EXPECT_FALSE(art::CheckPicture(cut, art::Still(Canvas(220, 32))).empty());
}

}  // namespace
