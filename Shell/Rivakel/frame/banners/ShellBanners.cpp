#include "frame/banners/ShellBanners.h"

#include "frame/banners/AdBanner.h"

void MakeShellBanners(CShell& shell, const BannerServices& services) {
    (new CAdBanner(shell, CAdBanner::kBanner, services))->SetLoc(165, 58);
    (new CAdBanner(shell, CAdBanner::kCatalog, services))->SetLoc(655, 53);
}
