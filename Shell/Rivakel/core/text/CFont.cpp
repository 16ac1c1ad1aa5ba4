#include "core/text/CFont.h"

#include "core/text/CSubsystem_Font.h"
#include "core/text/TextDrawer.h"

int SizeStepOf(int size) {
    for (size_t i = 0; i < kStockFonts.size(); ++i) {
        if (kStockFonts[i].size <= size) return static_cast<int>(i);
    }
    return static_cast<int>(kStockFonts.size()) - 1;
}

CFont::CFont(CSubsystem_Font* owner, std::string_view face, int size, int style,
                       std::unique_ptr<platform::Font> font)
    : owner_(owner), font_(std::move(font)), face_(face), size_(size), style_(style), sizeStep_(SizeStepOf(size)) {
    const platform::FontMetrics& metrics = font_->Metrics();
    averageWidth_ = metrics.averageCharWidth;
    lineHeight_ = metrics.height + metrics.externalLeading;
    blankWidth_ = TextExtent(*font_, " ");
    periodWidth_ = TextExtent(*font_, ".");
}

CFont::~CFont() {
    if (owner_ != nullptr) owner_->RemoveFont(this);
}

int CFont::GetMetrics(int* averageWidth, int* lineHeight) const {
    if (averageWidth != nullptr) *averageWidth = averageWidth_;
    if (lineHeight != nullptr) *lineHeight = lineHeight_;
    return 0;
}

int CFont::GetDescription(std::string* face, int* size, int* sizeStep, int* style) const {
    if (face != nullptr) *face = face_;
    if (size != nullptr) *size = size_;
    if (sizeStep != nullptr) *sizeStep = sizeStep_;
    if (style != nullptr) *style = style_;
    return 0;
}
