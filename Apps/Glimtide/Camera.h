// The fixed camera over the city: points are moved by a translation, projected with a 72-degree
// field of view and mapped onto a viewport of the canvas.
#pragma once

#include "Apps/Common/Vector3.h"

namespace glimtide {

struct ScreenPoint {
    int x = 0, y = 0;
};

class CCamera {
public:
    static constexpr float kFieldOfView = 1.2566371f;  // 72 degrees
    static constexpr int kPlayWidth = 500;
    static constexpr int kPlayHeight = 420;

    CCamera() { Rebuild(); }

    // The play screen's lens sees from 0 to 1000, the show's from 3 to 17000.
    void SetDepthRange(float nearZ, float farZ);
    void SetTranslation(Vec3 translation);
    // The part of the canvas the picture is mapped to; offsets are dropped to whole pixels.
    void SetViewport(int width, int height, float offsetX, float offsetY);

    // False when the point lies outside the view (or on the eye's own plane).
    bool ProjectPoint(Vec3 position, ScreenPoint& out) const;

private:
    void Rebuild();

    float near_ = 0, far_ = 1000;
    Vec3 translation_{0, 100, 300};
    int width_ = kPlayWidth, height_ = kPlayHeight;
    float offsetX_ = 0, offsetY_ = 0;
    Matrix4 view_;
};

}  // namespace glimtide
