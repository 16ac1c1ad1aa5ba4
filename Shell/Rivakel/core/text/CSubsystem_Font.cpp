#include "core/text/CSubsystem_Font.h"

#include <algorithm>

#include "core/base/Log.h"
#include "core/base/Strings.h"

CSubsystem_Font::CSubsystem_Font(FontOpener opener) : opener_(std::move(opener)) {
    cache_.reserve(64);
    for (const StockFontRow& row : kStockFonts) stock_.push_back(CreateFont(row.face, row.size, row.style));
}

CSubsystem_Font::~CSubsystem_Font() {
    for (CFont* font : stock_) font->ReleaseInternalRef();
    stock_.clear();
    std::vector<CFont*> cached;
    cached.swap(cache_);
    for (CFont* font : cached) {
        font->Detach();
        if (font->ReleaseInternalRef() != 0) {
            Warning("CSubsystem_Font: font \"%s\" %d still held at shutdown", font->Face().c_str(), font->Size());
        }
    }
}

std::unique_ptr<platform::Font> CSubsystem_Font::Open(std::string_view face, int size, int style) {
    platform::FontRequest request;
    request.face = std::string(face);
    request.height = -size;
    request.weight = (style & kFontBold) != 0 ? 700 : 400;
    request.italic = (style & kFontItalic) != 0;
    request.underline = (style & kFontUnderline) != 0;
    request.strikeOut = (style & kFontStrikeOut) != 0;
    std::unique_ptr<platform::Font> font = opener_ ? opener_(request) : nullptr;
    if (!font) {
        // Text must still measure and draw: the built-in font stands in.
        Warning("CSubsystem_Font::CreateFont: no face for \"%s\" %d; using the built-in font",
                request.face.c_str(), size);
        font = platform::OpenBitmapFont(request);
    }
    return font;
}

CFont* CSubsystem_Font::CreateFont(std::string_view face, int size, int style) {
    // Faces and sizes may come from applets and documents: keep them to what a font can be.
    size = std::clamp(size, kMinSize, kMaxSize);
    face = face.substr(0, kMaxFaceLength);
    for (CFont* font : cache_) {
        if (font->Size() == size && font->Style() == style && EqualsNoCase(font->Face(), face)) {
            font->AddInternalRef();
            return font;
        }
    }
    if (cache_.size() >= kCacheLimit) EvictOne();
    auto* font = new CFont(this, face, size, style, Open(face, size, style));
    font->AddInternalRef();  // the cache's
    font->AddInternalRef();  // the caller's
    cache_.push_back(font);
    return font;
}

void CSubsystem_Font::EvictOne() {
    // Only a font that nobody but the cache holds may go; the oldest such one.
    const auto unused = std::find_if(cache_.begin(), cache_.end(), [](const CFont* font) {
        return font->InternalCount() == 1 && font->InterfaceCount() == 0;
    });
    if (unused == cache_.end()) {
        Warning("CSubsystem_Font::CreateFont: all %zu cached fonts are in use; the cache grows",
                cache_.size());
        return;
    }
    CFont* font = *unused;
    cache_.erase(unused);
    font->Detach();
    font->ReleaseInternalRef();
}

int CSubsystem_Font::DeleteFont(CFont* font) {
    if (std::find(cache_.begin(), cache_.end(), font) == cache_.end()) {
        Error("Error - unrecognized font passed to CSubsystem_Font::DeleteFont");
        return 4;
    }
    if (font->InternalCount() <= 1) {
        // Only the cache's own reference is left: the caller has none to give back.
        Warning("CSubsystem_Font::DeleteFont: font released more often than created");
        return 0;
    }
    font->ReleaseInternalRef();
    return 0;
}

void CSubsystem_Font::RemoveFont(CFont* font) {
    cache_.erase(std::remove(cache_.begin(), cache_.end(), font), cache_.end());
}

CFont* CSubsystem_Font::GetStockFont(int index) {
    if (index < 0 || index >= static_cast<int>(kStockFonts.size())) return nullptr;
    const StockFontRow& row = kStockFonts[static_cast<size_t>(index)];
    return CreateFont(row.face, row.size, row.style);
}
