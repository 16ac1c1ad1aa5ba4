#include "frame/graphics/FontObject.h"

#include <algorithm>

#include "frame/graphics/GraphicsObjects.h"

int FontObject::GetMetrics(int* averageCharWidth, int* lineHeight) {
    return inner()->GetMetrics(averageCharWidth, lineHeight);
}

int FontObject::GetInfo(char* faceOut, int faceSize, int* size, int* sizeClass, int* style) {
    const CFont& font = *inner();
    if (faceOut != nullptr && faceSize > 0) {
        const std::string& face = font.Face();
        const size_t count = std::min({face.size(), static_cast<size_t>(faceSize) - 1, size_t{kFontFaceMax}});
        std::copy_n(face.data(), count, faceOut);
        faceOut[count] = '\0';
    }
    StoreInt(size, font.Size());
    StoreInt(sizeClass, font.SizeStep());
    StoreInt(style, font.Style());
    return 0;
}

IFont* MakeFontObject(CFont* font) { return font != nullptr ? new FontObject(font) : nullptr; }
