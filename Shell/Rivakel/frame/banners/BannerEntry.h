// One picture a banner spot can show, with what a click on it does: a banner opens its
// address (or, for the two built-in pictures, a page of the portal); a catalogue opens its
// full picture with the image map on the catalogue page.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "frame/banners/ImageMap.h"

struct BannerEntry {
    std::string imageName;     // the spot's picture: a file name, or a "MEM:" name once registered
    std::string catalogImage;  // catalogue: the full picture
    std::string title;         // catalogue
    std::string fileName;      // the description file ("" for the built-in defaults and the server's)
    std::string guid;
    std::string url;           // banner
    std::string defaultHref;   // catalogue: the default area's address
    std::optional<int64_t> dateStart, dateExp;  // seconds since 1970 (UTC)
    // Picture bytes carried in the description (IMGDATA); they stand for `catalogImage` in a
    // catalogue and for `imageName` otherwise.
    std::shared_ptr<const std::vector<uint8_t>> imageData;
    std::vector<ImageMapArea> areas;
    uint32_t colorActive = 0;  // catalogue: 0xRRGGBB of the area outline
    bool catalog = false;      // read as a catalogue
    bool builtIn = false;      // a default of the shell: its pictures are the shell's own
};
