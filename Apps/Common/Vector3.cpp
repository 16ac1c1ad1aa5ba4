#include "Apps/Common/Vector3.h"

#include <cmath>

Vec3 Vec3Divide(Vec3 v, float s) { return {v.x / s, v.y / s, v.z / s}; }

float Vec3LengthSquared(Vec3 v) { return Dot(v, v); }

Matrix4 MatrixZero() { return {}; }

Matrix4 MatrixIdentity() {
    Matrix4 r;
    for (int i = 0; i < 4; ++i) r[i][i] = 1;
    return r;
}

Matrix4 MatrixMultiply(const Matrix4& a, const Matrix4& b) {
    Matrix4 r;
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) {
            double sum = 0;
            for (int k = 0; k < 4; ++k) sum += static_cast<double>(b[row][k]) * a[k][col];
            r[row][col] = static_cast<float>(sum);
        }
    }
    return r;
}

Matrix4 MatrixTranslation(float x, float y, float z) {
    Matrix4 r = MatrixIdentity();
    r[3][0] = x;
    r[3][1] = y;
    r[3][2] = z;
    return r;
}

Matrix4 MatrixScale(float s) {
    Matrix4 r = MatrixIdentity();
    r[0][0] = r[1][1] = r[2][2] = s;
    return r;
}

namespace {

// The identity with the 2x2 block of rows and columns i and j set to a rotation by `angle`.
Matrix4 PlaneRotation(int i, int j, float angle) {
    const float c = std::cos(angle), s = std::sin(angle);
    Matrix4 r = MatrixIdentity();
    r[i][i] = c;
    r[i][j] = -s;
    r[j][i] = s;
    r[j][j] = c;
    return r;
}

}  // namespace

Matrix4 MatrixRotationX(float angle) { return PlaneRotation(1, 2, angle); }
Matrix4 MatrixRotationY(float angle) { return PlaneRotation(2, 0, angle); }
Matrix4 MatrixRotationZ(float angle) { return PlaneRotation(0, 1, angle); }

float Cotangent(float x) { return 1.0f / std::tan(x); }

Matrix4 MatrixPerspective(float nearZ, float farZ, float fovX, float fovY) {
    Matrix4 r;
    r[0][0] = Cotangent(fovX / 2);
    r[1][1] = Cotangent(fovY / 2);
    r[2][2] = farZ / (farZ - nearZ);
    r[2][3] = 1;
    r[3][2] = -nearZ * farZ / (farZ - nearZ);
    return r;
}

Matrix4 MatrixPerspectiveFov(float nearZ, float farZ, float fov) {
    const float q = std::sin(fov / 2) / (1 - nearZ / farZ);
    Matrix4 r;
    r[0][0] = r[1][1] = std::cos(fov / 2);
    r[2][2] = q;
    r[2][3] = std::sin(fov / 2);
    r[3][2] = -q * nearZ;
    return r;
}

Vec3 TransformPoint(float x, float y, float z, const Matrix4& m) {
    const auto column = [&](int c) {
        return static_cast<double>(x) * m[0][c] + static_cast<double>(y) * m[1][c] +
               static_cast<double>(z) * m[2][c] + m[3][c];
    };
    const double w = column(3);
    return {static_cast<float>(column(0) / w), static_cast<float>(column(1) / w), static_cast<float>(column(2) / w)};
}

Matrix4 MatrixLookAt(Vec3 eye, Vec3 target, Vec3 up, float roll) {
    const Vec3 toward = target - eye;
    const Vec3 f = Vec3Divide(toward, std::sqrt(Vec3LengthSquared(toward)));
    Vec3 r = Cross(up, f);
    Vec3 u = Cross(f, r);
    r = Vec3Divide(r, std::sqrt(Vec3LengthSquared(r)));
    u = Vec3Divide(u, std::sqrt(Vec3LengthSquared(u)));

    Matrix4 view;
    view[0] = {r.x, u.x, f.x, 0};
    view[1] = {r.y, u.y, f.y, 0};
    view[2] = {r.z, u.z, f.z, 0};
    view[3] = {-Dot(r, eye), -Dot(u, eye), -Dot(f, eye), 1};
    if (roll == 0) return view;
    return MatrixMultiply(MatrixRotationZ(-roll), view);
}
