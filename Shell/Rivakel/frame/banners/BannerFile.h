// Banner and catalogue description files: RDT documents whose "Banner" or "Catalog" element
// gives the dates, identifier, picture and address (or title, icon, outline colour and image
// map). Reading is pure: the caller deletes expired files and registers carried pictures.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "frame/banners/BannerEntry.h"

class RdtNode;

// Carried pictures larger than this are refused.
inline constexpr size_t kMaxBannerImageBytes = 1024 * 1024;

enum class BannerFileOutcome { Read, Invalid, Expired, NotYet };

struct BannerFileRequest {
    std::string_view fileName;
    bool catalogSpot = false;  // read for the catalogue spot
    int64_t now = 0;           // seconds since 1970 (UTC)
    bool datesRequired = true; // the server's definitions may come without dates
};

struct BannerFileResult {
    BannerFileOutcome outcome = BannerFileOutcome::Invalid;
    BannerEntry entry;         // filled when read
    std::string problem;       // what made it invalid
};

// A catalogue-spot file whose name's second letter is "m" is a small banner.
bool ReadsAsCatalog(std::string_view fileName, bool catalogSpot);
// The description in `document` (its root, or the root's first child of that name).
BannerFileResult ReadBannerDocument(const RdtNode& document, const BannerFileRequest& request);

// Decimal seconds; nullopt for anything but an optional sign and digits that fit 64 bits.
std::optional<int64_t> ParseSeconds(std::string_view text);
// "rrggbb", with or without a leading '#'.
std::optional<uint32_t> ParseHexColour(std::string_view text);
// A picture name that stays in its folder: no separators, no drive, no "..", no "MEM:".
bool IsPlainPictureName(std::string_view name);
// Leading and trailing blanks, tabs and line ends removed.
std::string_view TrimText(std::string_view text);
