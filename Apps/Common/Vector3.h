// 3D points and 4x4 transforms in single precision, for placing a camera and projecting points.
//
// Points are row vectors multiplied on the left: p' = [x y z 1] x M. A transform's translation
// stands in row 3 and column 3 holds the projective terms. Camera space is left-handed: the
// viewer looks along +z with x to the right and y up. Every function is pure.
//
// Degenerate input (eye equal to target, up along the view, w = 0, near equal to far) divides
// by zero; callers that can meet it check first.
#pragma once

#include <array>
#include <cstddef>

struct Vec3 {
    constexpr Vec3() = default;
    constexpr Vec3(float x_, float y_, float z_) : x(x_), y(y_), z(z_) {}

    float x = 0, y = 0, z = 0;
};

constexpr Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
constexpr Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
constexpr Vec3 operator*(Vec3 v, float s) { return {v.x * s, v.y * s, v.z * s}; }
constexpr float Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
constexpr Vec3 Cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Vec3 Vec3Divide(Vec3 v, float s);
float Vec3LengthSquared(Vec3 v);

// Row-major: m[r][c].
struct Matrix4 {
    std::array<std::array<float, 4>, 4> m{};

    std::array<float, 4>& operator[](int row) { return m[static_cast<std::size_t>(row)]; }
    const std::array<float, 4>& operator[](int row) const { return m[static_cast<std::size_t>(row)]; }
};

Matrix4 MatrixIdentity();
Matrix4 MatrixZero();
// b x a: a point transformed by the result is transformed by b first, then by a.
Matrix4 MatrixMultiply(const Matrix4& a, const Matrix4& b);
Matrix4 MatrixTranslation(float x, float y, float z);
Matrix4 MatrixScale(float s);
// Angles in radians. A positive angle about X turns +y toward -z, about Y turns +x toward +z,
// and about Z turns +x toward -y.
Matrix4 MatrixRotationX(float angle);
Matrix4 MatrixRotationY(float angle);
Matrix4 MatrixRotationZ(float angle);
float Cotangent(float x);
// Maps view-space z from near..far to 0..1 with w = z; x and y to -1..1 inside the fields of view.
Matrix4 MatrixPerspective(float nearZ, float farZ, float fovX, float fovY);
Matrix4 MatrixPerspectiveFov(float nearZ, float farZ, float fov);
// [x y z 1] x m, divided by its w.
Vec3 TransformPoint(float x, float y, float z, const Matrix4& m);
// The view from `eye` toward `target`, turned about the view axis by -roll.
Matrix4 MatrixLookAt(Vec3 eye, Vec3 target, Vec3 up, float roll);
