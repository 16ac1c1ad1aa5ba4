#include "Apps/Glimtide/Camera.h"

namespace glimtide {

void CCamera::SetDepthRange(float nearZ, float farZ) {
    near_ = nearZ;
    far_ = farZ;
    Rebuild();
}

void CCamera::SetTranslation(Vec3 translation) {
    translation_ = translation;
    Rebuild();
}

void CCamera::SetViewport(int width, int height, float offsetX, float offsetY) {
    width_ = width;
    height_ = height;
    offsetX_ = offsetX;
    offsetY_ = offsetY;
}

void CCamera::Rebuild() {
    Matrix4 viewport = MatrixIdentity();
    viewport[0][0] = viewport[1][1] = 0.5f;
    viewport[3][0] = viewport[3][1] = 0.5f;
    const Matrix4 lens = MatrixPerspective(near_, far_, kFieldOfView, kFieldOfView);
    const Matrix4 place = MatrixTranslation(translation_.x, translation_.y, translation_.z);
    view_ = MatrixMultiply(MatrixMultiply(MatrixMultiply(viewport, lens), place), MatrixIdentity());
}

bool CCamera::ProjectPoint(Vec3 p, ScreenPoint& out) const {
    float column[4];
    for (int c = 0; c < 4; ++c) column[c] = p.x * view_[0][c] + p.y * view_[1][c] + p.z * view_[2][c] + view_[3][c];
    const float X = column[0], Y = column[1], Z = column[2], W = column[3];
    // W = 0 would pass the range test for the eye's own point and divide 0 by 0.
    if (!(W > 0)) return false;
    if (!(X >= 0 && X <= W && Y >= 0 && Y <= W && Z >= 0 && Z <= W)) return false;
    out.x = static_cast<int>(X / W * static_cast<float>(width_)) + static_cast<int>(offsetX_);
    out.y = static_cast<int>(static_cast<float>(height_) - Y / W * static_cast<float>(height_)) + static_cast<int>(offsetY_);
    return true;
}

}  // namespace glimtide
