// Reads arbitrary bytes as the server's banner-definition document: at most fifty banners, and
// every file to keep is named "pbn-<well-formed GUID>.rdt" and reads back as a banner.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/store/MarkupDoc.h"
#include "core/store/WholeDataFile.h"
#include "frame/banners/BannerFile.h"
#include "frame/banners/ServerBanners.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    auto* document = new CMarkupDoc;
    document->AddInternalRef();
    document->Parse(text, true);
    const std::vector<ServerBanner> banners = ReadServerBanners(*document, 1000000000);
    document->ReleaseInternalRef();
    if (banners.size() > kMaxServerBanners) std::abort();
    for (const ServerBanner& banner : banners) {
        if (banner.fileName.empty()) continue;
        const std::string_view name = banner.fileName;
        if (!name.starts_with("pbn-") || !name.ends_with(".rdt") || !IsPlainPictureName(name) ||
            !IsWellFormedGuid(name.substr(4, name.size() - 8)))
            std::abort();
        const std::unique_ptr<RdtNode> root = ParseWholeRdt(banner.fileText);
        if (!root) std::abort();
        BannerFileRequest request;
        request.fileName = name;
        request.now = 1000000000;
        request.datesRequired = false;
        if (ReadBannerDocument(*root, request).outcome != BannerFileOutcome::Read) std::abort();
    }
    return 0;
}
