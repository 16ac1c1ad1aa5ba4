// The banners the portal's server sends after the handshake: a markup document whose
// "OBJDEFLIST" / "BANNERDEFLIST" element holds one banner definition per child, each with a
// "guid" attribute. Each becomes a banner of the server list; an installed shell also keeps it
// as the file "pbn-<guid>.rdt", but only under a well-formed identifier.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "frame/banners/BannerEntry.h"

class CMarkupNode;
class RdtNode;

// Definitions beyond this many in one document are dropped (logged).
inline constexpr size_t kMaxServerBanners = 50;

struct ServerBanner {
    BannerEntry entry;
    // "pbn-<guid>.rdt" and the file's text; empty when the identifier is not a well-formed GUID.
    std::string fileName;
    std::string fileText;
};

// The definitions that read as banners shown now (dates, when given, are kept).
std::vector<ServerBanner> ReadServerBanners(const CMarkupNode& document, int64_t now);

// Braced 8-4-4-4-12 hexadecimal digits, or 32 hexadecimal digits.
bool IsWellFormedGuid(std::string_view text);
// A copy of a markup element as an RDT element (name, attributes, text, children).
std::unique_ptr<RdtNode> MarkupToRdt(const CMarkupNode& node);
