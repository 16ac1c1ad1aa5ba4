#include "frame/factory/tests/TestFontService.h"

#include "core/text/CSubsystem_Font.h"
#include "platform/fonts/Fonts.h"

CSubsystem_Font* CreateTestFontService() {
    return new CSubsystem_Font([](const platform::FontRequest& r) { return platform::OpenBitmapFont(r); });
}

void DestroyTestFontService(CSubsystem_Font* fonts) { delete fonts; }

size_t CachedFontCount(const CSubsystem_Font& fonts) { return fonts.CachedCount(); }
