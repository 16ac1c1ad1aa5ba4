// The font slots over a shell font.
#pragma once

#include "core/text/CFont.h"
#include "frame/api/IFont.h"
#include "frame/graphics/GraphicsObject.h"

class FontObject final : public GraphicsObject<IFont, CFont> {
public:
    using GraphicsObject::GraphicsObject;

    int GetMetrics(int* averageCharWidth, int* lineHeight) override;
    int GetInfo(char* faceOut, int faceSize, int* size, int* sizeClass, int* style) override;
};
