// The font service: shell fonts cached by face (without regard to case), size and style.
#pragma once

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "core/text/CFont.h"
#include "platform/Platform.h"

class CSubsystem_Font {
public:
    static constexpr size_t kCacheLimit = 999;
    static constexpr int kMinSize = 1, kMaxSize = 256;
    static constexpr size_t kMaxFaceLength = 31;
    using FontOpener = std::function<std::unique_ptr<platform::Font>(const platform::FontRequest&)>;

    // `opener` makes the platform fonts (BackendFontOpener() in the shell); when it has no face
    // the built-in font stands in. Creates the stock fonts.
    explicit CSubsystem_Font(FontOpener opener);
    ~CSubsystem_Font();
    CSubsystem_Font(const CSubsystem_Font&) = delete;
    CSubsystem_Font& operator=(const CSubsystem_Font&) = delete;

    // The cached font of that face, size and style, or a new one; sizes are held to 1 to 256 and
    // faces to 31 characters. The caller receives one internal
    // reference and gives it back with DeleteFont (or ReleaseInternalRef). Never null.
    CFont* CreateFont(std::string_view face, int size, int style);
    // Drops the caller's reference; the font stays cached. 0, or 4 for a font not in the cache.
    int DeleteFont(CFont* font);
    // Takes the font out of the cache without deleting it (its destructor calls this).
    void RemoveFont(CFont* font);
    // CreateFont with the stock row's face, size and style; null outside 0 to 5.
    CFont* GetStockFont(int index);

    size_t CachedCount() const { return cache_.size(); }

private:
    std::unique_ptr<platform::Font> Open(std::string_view face, int size, int style);
    void EvictOne();

    FontOpener opener_;
    std::vector<CFont*> cache_;  // creation order; one internal reference each
    std::vector<CFont*> stock_;  // one more reference each: the stock fonts never leave
};
