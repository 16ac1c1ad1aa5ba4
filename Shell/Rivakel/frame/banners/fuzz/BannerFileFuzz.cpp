// Reads arbitrary bytes as a banner or catalogue description for both spots and several file
// names: whatever reads keeps its pictures in their folder, its image map within its limits,
// and answers any point of the map.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/store/WholeDataFile.h"
#include "frame/banners/BannerFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::unique_ptr<RdtNode> root = ParseWholeRdt(text);
    if (!root) return 0;
    for (const bool catalogSpot : {false, true}) {
        for (const char* name : {"sbn-x.rdt", "smb-x.rdt", "spc-x.rdt", "", "s", "sm"}) {
            BannerFileRequest request;
            request.fileName = name;
            request.catalogSpot = catalogSpot;
            request.now = 1000000000;
            request.datesRequired = size % 2 == 0;
            const BannerFileResult result = ReadBannerDocument(*root, request);
            if (result.outcome != BannerFileOutcome::Read) continue;
            const BannerEntry& entry = result.entry;
            const bool carried = entry.imageData != nullptr;
            if (carried && (entry.imageData->empty() || entry.imageData->size() > kMaxBannerImageBytes)) std::abort();
            const std::string& picture = entry.catalog ? entry.catalogImage : entry.imageName;
            if (!carried && !IsPlainPictureName(picture)) std::abort();
            if (entry.catalog && !IsPlainPictureName(entry.imageName)) std::abort();
            if (entry.areas.size() > kMaxMapAreas) std::abort();
            for (const ImageMapArea& area : entry.areas) {
                if (area.numbers.size() > kMaxAreaNumbers) std::abort();
            }
            for (const int x : {-1, 0, 1, 100, kMaxCoordinate}) {
                const int hit = HitArea(entry.areas, x, x);
                if (hit < -1 || hit >= static_cast<int>(entry.areas.size())) std::abort();
            }
        }
    }
    return 0;
}
