#include "frame/banners/ServerBanners.h"

#include "core/base/HexText.h"
#include "core/base/Log.h"
#include "core/base/Strings.h"
#include "core/store/MarkupNode.h"
#include "core/store/RdtNode.h"
#include "core/store/RdtWriter.h"
#include "frame/banners/BannerFile.h"

namespace {

const CMarkupNode* FindChild(const CMarkupNode& node, std::string_view name) {
    for (size_t i = 0; i < node.ChildCount(); ++i) {
        if (EqualsNoCase(node.ChildAt(i)->Name(), name)) return node.ChildAt(i);
    }
    return nullptr;
}

std::unique_ptr<RdtNode> CopyAs(const CMarkupNode& node, std::string_view name) {
    auto copy = std::make_unique<RdtNode>(name);
    for (size_t i = 0; i < node.AttributeCount(); ++i) {
        const CMarkupAttr& attr = *node.AttributeAt(i);
        copy->AddAttr(attr.Name(), attr.Value());
    }
    if (node.Value() != nullptr) copy->SetText(node.Value()->GetText());
    for (size_t i = 0; i < node.ChildCount(); ++i) copy->AppendChild(MarkupToRdt(*node.ChildAt(i)));
    return copy;
}

}  // namespace

bool IsWellFormedGuid(std::string_view text) {
    return text.size() == 32 ? AllHexDigits(text) : IsBracedGuid(text);
}

std::unique_ptr<RdtNode> MarkupToRdt(const CMarkupNode& node) { return CopyAs(node, node.Name()); }

std::vector<ServerBanner> ReadServerBanners(const CMarkupNode& document, int64_t now) {
    std::vector<ServerBanner> banners;
    const CMarkupNode* list = FindChild(document, "OBJDEFLIST");
    if (list != nullptr) list = FindChild(*list, "BANNERDEFLIST");
    if (list == nullptr) return banners;
    if (list->ChildCount() > kMaxServerBanners)
        Warning("CAdBanner::LoadServerBanners: %zu banner definitions, the first %zu taken", list->ChildCount(),
                kMaxServerBanners);
    for (size_t i = 0; i < list->ChildCount() && i < kMaxServerBanners; ++i) {
        const CMarkupNode& definition = *list->ChildAt(i);
        // Read as the stored file will be read back: a "Banner" element.
        std::unique_ptr<RdtNode> banner = CopyAs(definition, "Banner");
        BannerFileRequest request;
        request.now = now;
        request.datesRequired = false;
        BannerFileResult result = ReadBannerDocument(*banner, request);
        if (result.outcome != BannerFileOutcome::Read) {
            if (result.outcome == BannerFileOutcome::Invalid)
                Error("Invalid banner definition from the server (%s)", result.problem.c_str());
            continue;
        }
        ServerBanner server;
        server.entry = std::move(result.entry);
        const CMarkupAttr* guid = definition.FindAttribute("guid");
        if (guid != nullptr && guid->Value() && IsWellFormedGuid(*guid->Value())) {
            server.fileName = "pbn-" + *guid->Value() + ".rdt";
            server.entry.fileName = server.fileName;
            RdtNode root("RDT");
            // The element just read is the one stored.
            root.AppendChild(std::move(banner));
            server.fileText = WriteRdt(root);
        } else {
            Warning("CAdBanner::LoadServerBanners: a banner without a well-formed guid is not kept");
        }
        banners.push_back(std::move(server));
    }
    return banners;
}
