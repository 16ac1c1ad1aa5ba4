// The big skin's two advertising spots, made by the shell window after its frame.
#pragma once

#include "frame/banners/BannerServices.h"

class CShell;

// The banner at (165, 58) and the catalogue button at (655, 53).
void MakeShellBanners(CShell& shell, const BannerServices& services);
