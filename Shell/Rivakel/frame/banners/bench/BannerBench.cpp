// The advertising spots' speed on the headless backend: one 50 ms repaint while both spots slide
// (each tick moves the incoming pictures, composes what changed and presents it), and the
// reading of a server document of twenty banners with their pictures.
#include <benchmark/benchmark.h>

#include <string>

#include "core/graphics/SurfaceServices.h"
#include "core/graphics/VideoService.h"
#include "core/store/Base64.h"
#include "core/store/MarkupDoc.h"
#include "frame/banners/AdBanner.h"
#include "frame/banners/ServerBanners.h"
#include "frame/shell/bench/BenchPortal.h"

namespace {

// The two spots with a picture coming in: a second catalogue entry makes the catalogue slide too.
void BM_SlideRepaintBothSpots(benchmark::State& state) {
    BenchPortal portal(true);
    CAdBanner* banner = portal.ok ? FindAdBanner(*Shell(), CAdBanner::kBanner) : nullptr;
    CAdBanner* catalog = portal.ok ? FindAdBanner(*Shell(), CAdBanner::kCatalog) : nullptr;
    if (banner == nullptr || catalog == nullptr) return state.SkipWithError("the spots are missing");
    int y = 60;
    for (auto _ : state) {
        state.PauseTiming();
        if (y <= 1) {
            y = 60;
            banner->PickNext();
            catalog->PickNext();
        }
        state.ResumeTiming();
        // What one slide tick does to both spots, then the repaint that shows it.
        --y;
        for (CAdBanner* spot : {banner, catalog}) {
            if (CSurface* incoming = spot->IncomingPicture()) incoming->SetLoc(1, y);
        }
        Shell()->Repaint();
    }
}
BENCHMARK(BM_SlideRepaintBothSpots)->Unit(benchmark::kMicrosecond);

void BM_ReadServerDocumentOfTwentyBanners(benchmark::State& state) {
    CBase64 base64;
    base64.Encode(std::vector<uint8_t>(22 * 1024, 0x5A));  // about 30 KB of base64 each
    std::string text = "<OBJDEFLIST><BANNERDEFLIST>";
    for (int i = 0; i < 20; ++i) {
        text += "<Banner guid=\"{AAAAAAAA-BBBB-CCCC-DDDD-" + std::to_string(100000000000 + i) +
                "}\"><GUID>G</GUID><IMGDATA>" + std::string(base64.GetEncoded()) +
                "</IMGDATA><URL>https://www.rivakel.example/</URL></Banner>";
    }
    text += "</BANNERDEFLIST></OBJDEFLIST>";
    for (auto _ : state) {
        auto* document = new CMarkupDoc;
        document->AddInternalRef();
        document->Parse(text, true);
        benchmark::DoNotOptimize(ReadServerBanners(*document, 1000000000));
        document->ReleaseInternalRef();
    }
}
BENCHMARK(BM_ReadServerDocumentOfTwentyBanners)->Unit(benchmark::kMillisecond);

}  // namespace
