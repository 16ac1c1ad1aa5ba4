#include "core/text/CSubsystem_Font.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "platform/fonts/Fonts.h"

namespace {

// Counts the platform fonts opened, so that a cache hit shows as no new opening.
struct CountingOpener {
    int* opened;
    std::unique_ptr<platform::Font> operator()(const platform::FontRequest& request) const {
        ++*opened;
        return platform::OpenBitmapFont(request);
    }
};

TEST(CSubsystem_Font, StockFontsAreCachedAndFoundWithoutRegardToCase) {
    int opened = 0;
    CSubsystem_Font service(CountingOpener{&opened});
    EXPECT_EQ(opened, 6);
    EXPECT_EQ(service.CachedCount(), 6u);
    CFont* stock = service.GetStockFont(1);
    ASSERT_NE(stock, nullptr);
    CFont* lower = service.CreateFont("arial", 18, kFontBold);
    EXPECT_EQ(lower, stock);
    EXPECT_EQ(opened, 6);
    EXPECT_EQ(service.GetStockFont(6), nullptr);
    EXPECT_EQ(service.GetStockFont(-1), nullptr);
    EXPECT_EQ(service.DeleteFont(lower), 0);
    EXPECT_EQ(service.DeleteFont(stock), 0);
    EXPECT_EQ(service.CachedCount(), 6u);
}

TEST(CSubsystem_Font, FontsDescribeThemselves) {
    int opened = 0;
    CSubsystem_Font service(CountingOpener{&opened});
    CFont* font = service.CreateFont("Verdana", 16, kFontItalic | kFontUnderline);
    std::string face;
    int size = 0, step = 0, style = 0;
    EXPECT_EQ(font->GetDescription(&face, &size, &step, &style), 0);
    EXPECT_EQ(face, "Verdana");
    EXPECT_EQ(size, 16);
    EXPECT_EQ(step, 2);
    EXPECT_EQ(style, kFontItalic | kFontUnderline);
    int average = 0, line = 0;
    font->GetMetrics(&average, &line);
    const platform::FontMetrics& m = font->PlatformFont().Metrics();
    EXPECT_EQ(average, m.averageCharWidth);
    EXPECT_EQ(line, m.height + m.externalLeading);
    EXPECT_EQ(font->BlankWidth(), font->PlatformFont().GetGlyph(' ').advance);
    service.DeleteFont(font);

    EXPECT_EQ(SizeStepOf(100), 0);
    EXPECT_EQ(SizeStepOf(24), 0);
    EXPECT_EQ(SizeStepOf(23), 1);
    EXPECT_EQ(SizeStepOf(8), 5);
    EXPECT_EQ(SizeStepOf(3), 5);
}

TEST(CSubsystem_Font, AFullCacheEvictsOnlyFontsNobodyHolds) {
    int opened = 0;
    CSubsystem_Font service(CountingOpener{&opened});
    CFont* held = service.CreateFont("Held", 9, 0);
    for (int n = 0; service.CachedCount() < CSubsystem_Font::kCacheLimit; ++n) {
        service.DeleteFont(service.CreateFont("Filler" + std::to_string(n), 9, 0));
    }
    const int before = opened;
    CFont* fresh = service.CreateFont("Fresh", 9, 0);
    EXPECT_EQ(service.CachedCount(), CSubsystem_Font::kCacheLimit);
    // The held font and the stock fonts stay; the oldest filler went.
    EXPECT_EQ(service.CreateFont("held", 9, 0), held);
    CFont* stock = service.CreateFont("Arial", 24, kFontBold);
    EXPECT_EQ(stock, service.GetStockFont(0));
    EXPECT_EQ(opened, before + 1);
    service.DeleteFont(service.CreateFont("Filler0", 9, 0));
    EXPECT_EQ(opened, before + 2);
    EXPECT_EQ(held->InternalCount(), 3);
    for (int i = 0; i < 2; ++i) service.DeleteFont(held);
    for (int i = 0; i < 2; ++i) service.DeleteFont(stock);
    service.DeleteFont(fresh);
}

TEST(CSubsystem_Font, UnknownFontsAreRefusedAndHeldFontsOutliveTheService) {
    int opened = 0;
    CFont* survivor = nullptr;
    {
        CSubsystem_Font service(CountingOpener{&opened});
        CSubsystem_Font other(CountingOpener{&opened});
        CFont* foreign = other.CreateFont("Arial", 30, 0);
        EXPECT_EQ(service.DeleteFont(foreign), 4);
        EXPECT_EQ(service.DeleteFont(nullptr), 4);
        other.DeleteFont(foreign);
        survivor = service.CreateFont("Arial", 30, 0);
    }
    EXPECT_EQ(survivor->Size(), 30);
    EXPECT_EQ(survivor->ReleaseInternalRef(), 0);
}

TEST(CSubsystem_Font, SizesAndFacesFromOutsideAreHeldToWhatAFontCanBe) {
    std::vector<platform::FontRequest> requests;
    CSubsystem_Font service([&](const platform::FontRequest& request) {
        requests.push_back(request);
        return platform::OpenBitmapFont(request);
    });
    CFont* tiny = service.CreateFont("Arial", INT_MIN, 0);
    CFont* huge = service.CreateFont("Arial", 1 << 30, 0);
    CFont* named = service.CreateFont(std::string(5000, 'F'), 12, 0);
    EXPECT_EQ(tiny->Size(), 1);
    EXPECT_EQ(requests.at(6).height, -1);
    EXPECT_EQ(huge->Size(), 256);
    EXPECT_EQ(requests.at(7).height, -256);
    EXPECT_EQ(named->Face(), std::string(31, 'F'));
    EXPECT_EQ(service.CreateFont(std::string(40, 'f'), 12, 0), named) << "the cut face is the cache key";
    for (CFont* font : {tiny, huge, named, named}) service.DeleteFont(font);
}

TEST(CSubsystem_Font, AMissingFaceFallsBackToTheBuiltInFont) {
    CSubsystem_Font service([](const platform::FontRequest&) { return std::unique_ptr<platform::Font>(); });
    CFont* font = service.CreateFont("Nothing", 12, 0);
    EXPECT_GT(font->LineHeight(), 0);
    service.DeleteFont(font);
}

}  // namespace
