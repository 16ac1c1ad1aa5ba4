// A font of the shell: a platform font with the measurements the shell keeps beside it.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "core/base/RefCounted.h"
#include "platform/Platform.h"

class CSubsystem_Font;

// Style bits of a shell font.
enum FontStyleBits : int { kFontBold = 1, kFontItalic = 2, kFontUnderline = 4, kFontStrikeOut = 8 };

struct StockFontRow {
    std::string_view face;
    int size;
    int style;
};
// The stock fonts; their sizes are also the size steps of rich text.
inline constexpr std::array<StockFontRow, 6> kStockFonts = {{
    {"Arial", 24, kFontBold},
    {"Arial", 18, kFontBold},
    {"Arial", 14, kFontBold},
    {"Arial", 12, kFontBold},
    {"Arial", 10, kFontBold},
    {"Arial", 8, kFontBold},
}};

// The index of the first stock row whose size is not above `size`; sizes below the smallest row
// take the last row.
int SizeStepOf(int size);

class CFont : public CRefCounted {
public:
    // Made by the font service, which keeps it in its cache until the service goes.
    CFont(CSubsystem_Font* owner, std::string_view face, int size, int style,
               std::unique_ptr<platform::Font> font);
    ~CFont() override;

    int GetMetrics(int* averageWidth, int* lineHeight) const;
    int GetDescription(std::string* face, int* size, int* sizeStep, int* style) const;

    const std::string& Face() const { return face_; }
    int Size() const { return size_; }
    int Style() const { return style_; }
    int SizeStep() const { return sizeStep_; }
    int AverageWidth() const { return averageWidth_; }
    int LineHeight() const { return lineHeight_; }
    int BlankWidth() const { return blankWidth_; }
    int PeriodWidth() const { return periodWidth_; }
    platform::Font& PlatformFont() { return *font_; }

    // The service is going away; the font lives on for whoever still holds it.
    void Detach() { owner_ = nullptr; }

private:
    CSubsystem_Font* owner_;
    std::unique_ptr<platform::Font> font_;
    std::string face_;
    int size_;
    int style_;
    int sizeStep_;
    int averageWidth_ = 0;
    int lineHeight_ = 0;
    int blankWidth_ = 0;
    int periodWidth_ = 0;
};
