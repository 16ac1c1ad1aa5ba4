#include "frame/factory/tests/TestFontService.h"

#include "core/text/CSubsystem_Font_Win32.h"
#include "platform/fonts/Fonts.h"

CSubsystem_Font_Win32* CreateTestFontService() {
    return new CSubsystem_Font_Win32([](const platform::FontRequest& r) { return platform::OpenBitmapFont(r); });
}

void DestroyTestFontService(CSubsystem_Font_Win32* fonts) { delete fonts; }

size_t CachedFontCount(const CSubsystem_Font_Win32& fonts) { return fonts.CachedCount(); }
