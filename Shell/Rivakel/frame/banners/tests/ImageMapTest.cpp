// The catalogue's image map: coordinates read from any text, and which area a point hits.
#include "frame/banners/ImageMap.h"

#include <gtest/gtest.h>

namespace {

TEST(ImageMapTest, CoordsAreSignedNumbersBetweenAnythingHeldToTheirLimits) {
    const struct {
        const char* text;
        std::vector<int> numbers;
    } cases[] = {
        {"", {}},
        {"1", {1}},
        {"1,2,3", {1, 2, 3}},
        {" 10 ; 20\t-30x40 ", {10, 20, -30, 40}},
        {"--5", {-5}},
        {"4-2", {4, -2}},
        {"-", {}},
        {"2147483648,-99999999999", {kMaxCoordinate, -kMaxCoordinate}},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseCoords(c.text), c.numbers) << c.text;
    std::string many;
    for (int i = 0; i < 10000; ++i) many += "7,";
    EXPECT_EQ(ParseCoords(many).size(), kMaxAreaNumbers);
}

TEST(ImageMapTest, ShapesAreNamedInAnyCase) {
    EXPECT_EQ(ParseAreaShape("circle"), AreaShape::Circle);
    EXPECT_EQ(ParseAreaShape("Rect"), AreaShape::Rect);
    EXPECT_EQ(ParseAreaShape("POLY"), AreaShape::Poly);
    EXPECT_EQ(ParseAreaShape("default"), AreaShape::Default);
    EXPECT_EQ(ParseAreaShape("square"), std::nullopt);
    EXPECT_EQ(ParseAreaShape(""), std::nullopt);
}

TEST(ImageMapTest, PointsHitCirclesAndRectanglesWithTheirEdgesPolygonsNeverAndTheDefaultElsewhere) {
    const std::vector<ImageMapArea> areas{
        {AreaShape::Rect, {50, 40, 10, 20}, "reversed"},  // corners given the wrong way round
        {AreaShape::Circle, {100, 100, 10}, "circle"},
        {AreaShape::Circle, {200, 200, 0}, "dot"},
        {AreaShape::Circle, {300, 300, -5}, "negative"},
        {AreaShape::Rect, {0, 0, 5}, "short"},
        {AreaShape::Poly, {0, 0, 400, 0, 400, 400, 0}, "poly"},
        {AreaShape::Default, {}, "default"},
    };
    const struct {
        int x, y;
        const char* href;
    } hits[] = {
        {10, 20, "reversed"}, {50, 40, "reversed"}, {30, 30, "reversed"}, {51, 30, "default"},
        {110, 100, "circle"}, {107, 107, "circle"}, {108, 108, "default"},
        {200, 200, "dot"}, {201, 200, "default"},
        {300, 300, "default"},
        {2, 2, "default"},
        {390, 10, "default"},
    };
    for (const auto& hit : hits) {
        const int index = HitArea(areas, hit.x, hit.y);
        ASSERT_GE(index, 0) << hit.x << "," << hit.y;
        EXPECT_EQ(areas[static_cast<size_t>(index)].href, hit.href) << hit.x << "," << hit.y;
    }
    const std::vector<ImageMapArea> noDefault(areas.begin(), areas.end() - 1);
    EXPECT_EQ(HitArea(noDefault, 390, 10), -1);
    EXPECT_EQ(HitArea({}, 0, 0), -1);
}

TEST(ImageMapTest, BoundsExistOnlyForUsableCirclesAndRectangles) {
    EXPECT_EQ(AreaBounds({AreaShape::Circle, {10, 20, 5}, ""}), (platform::Rect{5, 15, 15, 25}));
    EXPECT_EQ(AreaBounds({AreaShape::Rect, {9, 8, 1, 2}, ""}), (platform::Rect{1, 2, 9, 8}));
    EXPECT_EQ(AreaBounds({AreaShape::Circle, {10, 20}, ""}), std::nullopt);
    EXPECT_EQ(AreaBounds({AreaShape::Circle, {10, 20, -1}, ""}), std::nullopt);
    EXPECT_EQ(AreaBounds({AreaShape::Poly, {1, 2, 3, 4, 5, 6}, ""}), std::nullopt);
    EXPECT_EQ(AreaBounds({AreaShape::Default, {1, 2, 3, 4}, ""}), std::nullopt);
}

}  // namespace
