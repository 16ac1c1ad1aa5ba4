// What the banners need from the session around the shell window.
#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include "core/store/MarkupDoc.h"

struct BannerServices {
    std::function<bool()> installed;
    // The server connection's state, told with each click.
    std::function<bool()> connected;
    // The banner definitions the server sent, handed over once (null when none is pending).
    std::function<std::unique_ptr<CMarkupDoc>()> takeServerBanners;
    // 0 when a program took the address.
    std::function<int(std::string_view url)> openInBrowser;
};
