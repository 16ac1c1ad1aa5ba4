// The animation slots over a shell animation.
#pragma once

#include "core/graphics/Anim.h"
#include "frame/api/IAnim.h"
#include "frame/graphics/GraphicsObject.h"

class AnimObject final : public GraphicsObject<IAnim, CAnim> {
public:
    using GraphicsObject::GraphicsObject;

    int GetImage(IImage** out) override;
    void SetFrame(int index) override;
    int GetImageSeq(IImageSeq** out) override;
    int Start() override;
    int Stop() override;
    int SetClock(int selector) override;
    bool GetClock() override;
    int ReplaceColors(int count, const int* pairs) override;
};
