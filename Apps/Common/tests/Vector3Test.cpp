#include "Apps/Common/Vector3.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

namespace {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr float kTolerance = 1e-4f;

void ExpectNear(Vec3 actual, Vec3 expected, float tolerance = kTolerance) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

void ExpectNear(const Matrix4& actual, const Matrix4& expected) {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) EXPECT_NEAR(actual[r][c], expected[r][c], kTolerance) << "[" << r << "][" << c << "]";
}

Matrix4 Sample() {
    Matrix4 m;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) m[r][c] = static_cast<float>(r * 4 + c + 1) * (c % 2 == 0 ? 1.f : -0.5f);
    return m;
}

TEST(Vector3, IdentityLeavesEveryMatrixAlone) {
    const Matrix4 m = Sample();
    ExpectNear(MatrixMultiply(MatrixIdentity(), m), m);
    ExpectNear(MatrixMultiply(m, MatrixIdentity()), m);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) EXPECT_EQ(MatrixZero()[r][c], 0.f);
}

TEST(Vector3, TheSecondArgumentActsFirst) {
    // Scaled first (to 2), then moved by 1.
    ExpectNear(TransformPoint(1, 0, 0, MatrixMultiply(MatrixTranslation(1, 0, 0), MatrixScale(2))), {3, 0, 0});
    // Moved first (to 2), then scaled.
    ExpectNear(TransformPoint(1, 0, 0, MatrixMultiply(MatrixScale(2), MatrixTranslation(1, 0, 0))), {4, 0, 0});
    ExpectNear(TransformPoint(1, 2, 3, MatrixTranslation(-1, 5, 0.5f)), {0, 7, 3.5f});
}

TEST(Vector3, RotationsTurnTheWayTheConventionSays) {
    struct Case {
        Matrix4 rotation;
        Vec3 from, to;
    };
    const Case cases[] = {
        {MatrixRotationX(kPi / 2), {0, 1, 0}, {0, 0, -1}},
        {MatrixRotationX(kPi / 2), {0, 0, 1}, {0, 1, 0}},
        {MatrixRotationY(kPi / 2), {1, 0, 0}, {0, 0, 1}},
        {MatrixRotationY(kPi / 2), {0, 0, 1}, {-1, 0, 0}},
        {MatrixRotationZ(kPi / 2), {1, 0, 0}, {0, -1, 0}},
        {MatrixRotationZ(kPi / 2), {0, 1, 0}, {1, 0, 0}},
        {MatrixRotationZ(kPi), {1, 2, 3}, {-1, -2, 3}},
    };
    for (const Case& c : cases) ExpectNear(TransformPoint(c.from.x, c.from.y, c.from.z, c.rotation), c.to);
}

TEST(Vector3, PerspectiveMapsNearToZeroAndFarToOne) {
    const float fov = 1.2566371f;
    const Matrix4 p = MatrixPerspective(3, 17000, fov, fov);
    EXPECT_NEAR(TransformPoint(0, 0, 3, p).z, 0.f, 1e-6f);
    EXPECT_NEAR(TransformPoint(0, 0, 17000, p).z, 1.f, 1e-6f);
    // A point on the edge of the field of view lands on x = 1.
    const float z = 100;
    EXPECT_NEAR(TransformPoint(z * std::tan(fov / 2), 0, z, p).x, 1.f, kTolerance);
    EXPECT_NEAR(TransformPoint(0, -z * std::tan(fov / 2), z, p).y, -1.f, kTolerance);
    EXPECT_NEAR(Cotangent(kPi / 4), 1.f, kTolerance);

    // The single-angle form, with w = sin(fov / 2) z.
    const Matrix4 q = MatrixPerspectiveFov(1, 101, kPi / 2);
    EXPECT_NEAR(TransformPoint(0, 0, 1, q).z, 0.f, kTolerance);
    EXPECT_NEAR(TransformPoint(0, 0, 101, q).z, 1.f, kTolerance);
    EXPECT_NEAR(TransformPoint(10, 0, 10, q).x, 1.f, kTolerance);
}

TEST(Vector3, LookAtAlongZIsTheIdentity) {
    ExpectNear(MatrixLookAt({0, 0, 0}, {0, 0, 1}, {0, 1, 0}, 0), MatrixIdentity());
    // Looking down from above: the target comes out straight ahead at its distance.
    const Matrix4 down = MatrixLookAt({0, 10, 0}, {0, 0, 0}, {0, 0, 1}, 0);
    ExpectNear(TransformPoint(0, 0, 0, down), {0, 0, 10});
    // A roll turns the picture about the view axis: +x seen rolled a quarter turn.
    const Matrix4 rolled = MatrixLookAt({0, 0, 0}, {0, 0, 1}, {0, 1, 0}, kPi / 2);
    ExpectNear(TransformPoint(1, 0, 5, rolled), {0, 1, 5});
}

TEST(Vector3, LookAtGivesOrthonormalAxesForAnyView) {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> coordinate(-100, 100);
    for (int i = 0; i < 200; ++i) {
        const Vec3 eye{coordinate(random), coordinate(random), coordinate(random)};
        const Vec3 target{coordinate(random), coordinate(random), coordinate(random)};
        const Vec3 up{coordinate(random), coordinate(random), coordinate(random)};
        const Vec3 toward = target - eye;
        const Vec3 side = Cross(up, toward);
        // Keep away from the degenerate views.
        if (Vec3LengthSquared(toward) < 1 || Vec3LengthSquared(side) < 1e-2f * Vec3LengthSquared(up) * Vec3LengthSquared(toward))
            continue;
        const Matrix4 view = MatrixLookAt(eye, target, up, coordinate(random) / 30);
        const Vec3 axes[3] = {{view[0][0], view[1][0], view[2][0]},
                              {view[0][1], view[1][1], view[2][1]},
                              {view[0][2], view[1][2], view[2][2]}};
        for (int a = 0; a < 3; ++a) {
            EXPECT_NEAR(Vec3LengthSquared(axes[a]), 1.f, 1e-3f);
            for (int b = a + 1; b < 3; ++b) EXPECT_NEAR(Dot(axes[a], axes[b]), 0.f, 1e-3f);
        }
        // The eye is the origin of view space and the target lies straight ahead.
        ExpectNear(TransformPoint(eye.x, eye.y, eye.z, view), {0, 0, 0}, 1e-2f);
        const Vec3 seen = TransformPoint(target.x, target.y, target.z, view);
        EXPECT_NEAR(seen.z, std::sqrt(Vec3LengthSquared(toward)), 1e-2f);
        EXPECT_NEAR(seen.x * seen.x + seen.y * seen.y, 0.f, 1e-2f);
    }
}

TEST(Vector3, VectorHelpers) {
    ExpectNear(Vec3Divide({2, -4, 8}, 2), {1, -2, 4});
    EXPECT_EQ(Vec3LengthSquared({1, 2, 2}), 9.f);
    ExpectNear(Cross({1, 0, 0}, {0, 1, 0}), {0, 0, 1});
}

}  // namespace
