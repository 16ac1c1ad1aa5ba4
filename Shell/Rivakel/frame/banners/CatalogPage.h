// The catalogue page: a catalogue's full picture on the page surface, whose image map outlines
// the area under the pointer and opens an area's address when it is clicked. It is a page of
// the shell like the others and is left through the navigation.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "frame/banners/BannerEntry.h"

class CShell;

inline constexpr const char* kCatalogPageName = "Catalog";

struct CatalogPageServices {
    bool installed = false;
    std::function<int(std::string_view url)> openInBrowser;
};

void ShowCatalogPage(CShell& shell, const BannerEntry& entry, CatalogPageServices services);

// Opens an http, https or mailto address in the browser; any other is refused (logged).
void OpenAddress(std::string_view url, const std::function<int(std::string_view url)>& openInBrowser);
