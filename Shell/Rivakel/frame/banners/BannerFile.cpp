#include "frame/banners/BannerFile.h"

#include <charconv>
#include <cstdint>

#include "core/base/Decimal.h"
#include "core/base/Strings.h"
#include "core/files/FileNames.h"
#include "core/files/MemoryBlocks.h"
#include "core/store/Base64.h"
#include "core/store/RdtNode.h"

namespace {

// Base64 of the largest picture, with room for line breaks.
constexpr size_t kMaxImageText = kMaxBannerImageBytes / 3 * 4 * 2;

const RdtNode* FindElement(const RdtNode& document, std::string_view name) {
    return EqualsNoCase(document.Name(), name) ? &document : document.FindChild(name);
}

std::optional<std::string_view> ChildText(const RdtNode& element, std::string_view name) {
    const RdtNode* child = element.FindChild(name);
    if (child == nullptr) return std::nullopt;
    return TrimText(child->Text() ? std::string_view(*child->Text()) : std::string_view());
}

BannerFileResult Invalid(std::string problem) {
    BannerFileResult result;
    result.outcome = BannerFileOutcome::Invalid;
    result.problem = std::move(problem);
    return result;
}

void ReadImageMap(const RdtNode& element, BannerEntry& entry) {
    const RdtNode* map = element.FindChild("Map");
    if (map == nullptr) return;
    for (size_t i = 0; i < map->ChildCount() && entry.areas.size() < kMaxMapAreas; ++i) {
        const RdtNode& child = *map->ChildAt(i);
        if (!EqualsNoCase(child.Name(), "Area")) continue;
        const std::optional<AreaShape> shape = ParseAreaShape(ChildText(child, "SHAPE").value_or(""));
        if (!shape) continue;
        ImageMapArea area;
        area.shape = *shape;
        area.numbers = ParseCoords(ChildText(child, "COORDS").value_or(""));
        area.href = ChildText(child, "HREF").value_or("");
        if (*shape == AreaShape::Default && entry.defaultHref.empty()) entry.defaultHref = area.href;
        entry.areas.push_back(std::move(area));
    }
}

}  // namespace

std::string_view TrimText(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

std::optional<int64_t> ParseSeconds(std::string_view text) { return ParseSignedDecimal(text, INT64_MIN, INT64_MAX); }

std::optional<uint32_t> ParseHexColour(std::string_view text) {
    if (text.starts_with('#')) text.remove_prefix(1);
    if (text.size() != 6) return std::nullopt;
    uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

bool IsPlainPictureName(std::string_view name) {
    return IsPlainFileName(name) && !EqualsNoCase(name.substr(0, kMemoryNamePrefix.size()), kMemoryNamePrefix);
}

bool ReadsAsCatalog(std::string_view fileName, bool catalogSpot) {
    return catalogSpot && !(fileName.size() >= 2 && (fileName[1] == 'm' || fileName[1] == 'M'));
}

BannerFileResult ReadBannerDocument(const RdtNode& document, const BannerFileRequest& request) {
    const bool catalog = ReadsAsCatalog(request.fileName, request.catalogSpot);
    const RdtNode* element = FindElement(document, catalog ? "Catalog" : "Banner");
    if (element == nullptr) return Invalid(catalog ? "no Catalog element" : "no Banner element");

    BannerFileResult result;
    BannerEntry& entry = result.entry;
    entry.catalog = catalog;
    entry.fileName = request.fileName;

    // Dates: a value that does not read is never taken for an expired one.
    if (const auto text = ChildText(*element, "DateExp")) {
        entry.dateExp = ParseSeconds(*text);
        if (!entry.dateExp) return Invalid("DateExp is not a number");
        if (*entry.dateExp < request.now) {
            result.outcome = BannerFileOutcome::Expired;
            return result;
        }
    } else if (request.datesRequired) {
        return Invalid("no DateExp");
    }
    if (const auto text = ChildText(*element, "DateStart")) {
        entry.dateStart = ParseSeconds(*text);
        if (!entry.dateStart) return Invalid("DateStart is not a number");
        if (*entry.dateStart > request.now) {
            result.outcome = BannerFileOutcome::NotYet;
            return result;
        }
    }

    const auto guid = ChildText(*element, "GUID");
    if (!guid || guid->empty()) return Invalid("no GUID");
    entry.guid = *guid;

    std::string picture;
    if (const auto data = ChildText(*element, "IMGDATA")) {
        CBase64 base64;
        if (data->size() > kMaxImageText || !base64.Decode(*data) || base64.GetDecoded().empty() ||
            base64.GetDecoded().size() > kMaxBannerImageBytes)
            return Invalid("IMGDATA is not a picture's base64 of at most 1 MiB");
        const auto bytes = base64.GetDecoded();
        entry.imageData = std::make_shared<const std::vector<uint8_t>>(bytes.begin(), bytes.end());
    } else {
        const auto img = ChildText(*element, "IMG");
        if (!img || !IsPlainPictureName(*img)) return Invalid("no IMG, or one that leaves its folder");
        picture = *img;
    }

    if (catalog) {
        const auto icon = ChildText(*element, "ICON");
        const auto title = ChildText(*element, "Title");
        const auto colour = ChildText(*element, "coloractive");
        if (!icon || !IsPlainPictureName(*icon)) return Invalid("no ICON, or one that leaves its folder");
        if (!title) return Invalid("no Title");
        const std::optional<uint32_t> active = colour ? ParseHexColour(*colour) : std::nullopt;
        if (!active) return Invalid("no coloractive of six hexadecimal digits");
        entry.catalogImage = picture;
        entry.imageName = *icon;
        entry.title = *title;
        entry.colorActive = *active;
        ReadImageMap(*element, entry);
    } else {
        const auto url = ChildText(*element, "URL");
        if (!url) return Invalid("no URL");
        entry.imageName = picture;
        entry.url = *url;
    }
    result.outcome = BannerFileOutcome::Read;
    return result;
}
