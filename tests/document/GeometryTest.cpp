#include "document/Geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {
constexpr float Pi = std::numbers::pi_v<float>;
}

TEST(GeometryTest, MidPointTruncatesTowardZero) {
    EXPECT_EQ(MidPoint({-3, 0}, {0, 0}), gdi::Point(-1, 0));
    EXPECT_EQ(MidPoint({3, 0}, {0, 0}), gdi::Point(1, 0));
    EXPECT_EQ(MidPoint({-5, 7}, {-2, 2}), gdi::Point(-3, 4));
    EXPECT_EQ(MakePoint(4, -9), gdi::Point(4, -9));
    EXPECT_EQ(NullPoint, gdi::Point(0, 0));
}

TEST(GeometryTest, DistanceAndDirection) {
    EXPECT_EQ(Distance({1, 1}, {4, 5}), 5.0f);
    EXPECT_EQ(Distance({4, 5}, {4, 5}), 0.0f);
    EXPECT_FLOAT_EQ(Distance({0, 0}, {20000, 30000}), std::sqrt(1.3e9f));

    float cos = 0.25f, sin = -0.5f;
    EXPECT_EQ(UnitVector(cos, sin, {3, 3}, {3, 3}), -1);
    EXPECT_EQ(cos, 0.25f);
    EXPECT_EQ(sin, -0.5f);
    EXPECT_EQ(UnitVector(cos, sin, {1, 1}, {-2, 5}), 1);
    EXPECT_EQ(cos, -0.6f);
    EXPECT_EQ(sin, 0.8f);
}

TEST(GeometryTest, SignAndVectorAngle) {
    EXPECT_EQ(Sign(2.5f), 1.0f);
    EXPECT_EQ(Sign(0.0f), 0.0f);
    EXPECT_EQ(Sign(-0.001f), -1.0f);
    EXPECT_EQ(VectorAngle(0, 0), 0.0f);
    EXPECT_EQ(VectorAngle(0, -5), -Pi / 2);
    EXPECT_EQ(VectorAngle(0, 3), Pi / 2);
    EXPECT_FLOAT_EQ(VectorAngle(1, 1), Pi / 4);
    EXPECT_FLOAT_EQ(VectorAngle(-1, 0), Pi);
    EXPECT_FLOAT_EQ(VectorAngle(-1, -1), -3 * Pi / 4);
}

TEST(GeometryTest, RotationRoundsHalvesToEven) {
    gdi::Point p{1, 0};
    RotateVector(p, 0.5f, 0.5f);
    EXPECT_EQ(p, gdi::Point(0, 0));
    p = {3, 0};
    RotateVector(p, 0.5f, 0.5f);
    EXPECT_EQ(p, gdi::Point(2, 2));
    p = {5, -5};
    RotateVector(p, 0.5f, 0.5f);
    EXPECT_EQ(p, gdi::Point(5, 0));
    p = {-3, 0};
    RotateVector(p, 0.5f, 0.5f);
    EXPECT_EQ(p, gdi::Point(-2, -2));
}

TEST(GeometryTest, PositiveAnglesTurnClockwiseOnScreen) {
    gdi::Point p{110, 50};
    RotatePoint(p, {100, 50}, Pi / 2);
    EXPECT_EQ(p, gdi::Point(100, 60));
    RotatePoint(p, {100, 50}, Pi / 2);
    EXPECT_EQ(p, gdi::Point(90, 50));
    p = {110, 50};
    RotatePoint(p, {100, 50}, -Pi / 2);
    EXPECT_EQ(p, gdi::Point(100, 40));

    p = {107, 54};
    RotatePointCS(p, {100, 50}, 0.6f, 0.8f);
    // (7, 4) turned: (0.6*7 - 0.8*4, 0.8*7 + 0.6*4) = (1, 8).
    EXPECT_EQ(p, gdi::Point(101, 58));
    p = {103, 50};
    RotatePointCS(p, {100, 50}, 0.5f, 0.5f);
    EXPECT_EQ(p, gdi::Point(102, 52));
}
