// The island map's pictures as map.ini places them: every marker stands on its own landmass,
// the glow covers its land, icons lie by their land, markers are far enough apart to click, and
// the small pictures fit the offsets the map draws them at.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>

#include "engine/image_codec.h"
#include "game/expedition/map_layout.h"
#include "tests/tools/island_tables.h"

namespace {

constexpr int kLandAlpha = 200;  // a marker stands on land where the picture is this opaque
constexpr int kClickRadius = 50;  // the map picks the first marker within this distance of a click

std::string pictureFile(const std::string& name) {
    std::string path = "img/states/map/" + name + ".png";
    std::transform(path.begin(), path.end(), path.begin(), [](unsigned char c) { return std::tolower(c); });
    return path;
}

int alphaAt(const DecodedImage& image, int x, int y) {
    if (x < 0 || y < 0 || x >= image.width || y >= image.height) return 0;
    const uint32_t pixel = image.pixels[static_cast<size_t>(y) * image.width + x];
    return reinterpret_cast<const uint8_t*>(&pixel)[3];
}

bool inside(const IslandPoint& p, const IslandPoint& corner, const DecodedImage& image) {
    return p.x >= corner.x && p.y >= corner.y && p.x < corner.x + image.width && p.y < corner.y + image.height;
}

}  // namespace

TEST(IslandMapArt, MarkersStandOnTheirOwnLand) {
    const IslandMap map = dataIslandMap();
    ASSERT_FALSE(map.lands.empty());
    for (const IslandLand& land : map.lands) {
        SCOPED_TRACE(land.name);
        DecodedImage picture, glow;
        ASSERT_TRUE(decodeImageFile(dataPath(pictureFile(land.name)), picture));
        ASSERT_TRUE(decodeImageFile(dataPath(pictureFile(land.name + "_h")), glow));
        EXPECT_GE(alphaAt(picture, land.cpos.x, land.cpos.y), kLandAlpha) << "the centre the camera pans to";
        EXPECT_LE(land.hpos.x, land.pos.x);
        EXPECT_LE(land.hpos.y, land.pos.y);
        EXPECT_GE(land.hpos.x + glow.width, land.pos.x + picture.width) << "the glow covers the land";
        EXPECT_GE(land.hpos.y + glow.height, land.pos.y + picture.height);
        for (const IslandPlace& place : land.places) {
            EXPECT_GE(alphaAt(picture, place.point.x - land.pos.x, place.point.y - land.pos.y), kLandAlpha) << place.id;
        }
    }
}

TEST(IslandMapArt, IconsLieByTheirLand) {
    const IslandMap map = dataIslandMap();
    for (const IslandLand& land : map.lands) {
        DecodedImage picture;
        ASSERT_TRUE(decodeImageFile(dataPath(pictureFile(land.name)), picture)) << land.name;
        for (const IslandIcon& icon : land.icons) {
            SCOPED_TRACE(icon.name);
            DecodedImage image;
            ASSERT_TRUE(decodeImageFile(dataPath(pictureFile(icon.name + "_ico")), image));
            const IslandPoint sparkle{icon.corner.x + icon.sparkle.x, icon.corner.y + icon.sparkle.y};
            EXPECT_TRUE(inside(sparkle, icon.corner, image)) << "the sparkle plays on the icon";
            EXPECT_TRUE(inside(sparkle, land.pos, picture)) << "the icon belongs to its landmass's picture";
        }
    }
}

TEST(IslandMapArt, MarkersAreFarEnoughApartToClick) {
    const IslandMap map = dataIslandMap();
    const std::vector<const IslandPlace*> places = map.places();
    for (size_t a = 0; a < places.size(); ++a) {
        for (size_t b = a + 1; b < places.size(); ++b) {
            const double d = std::hypot(places[a]->point.x - places[b]->point.x, places[a]->point.y - places[b]->point.y);
            EXPECT_GE(d, 2 * kClickRadius) << places[a]->id << " and " << places[b]->id;
        }
    }
}

// The head and the arrow are drawn by their corner half their width left of the place, so the
// place is under their middle; the question mark's strip is cut into equal frames.
TEST(IslandMapArt, SmallPicturesFitWhereTheMapDrawsThem) {
    struct SizeCase { const char* file; int width; int height; };
    const SizeCase kSizes[] = {
        {"prof_head", -2 * map_layout::kHeadCorner.x, map_layout::kArrowCorner.y - map_layout::kHeadCorner.y},
        {"icon_arrow", -2 * map_layout::kArrowCorner.x, -map_layout::kArrowCorner.y - 3},
    };
    for (const SizeCase& c : kSizes) {
        SCOPED_TRACE(c.file);
        DecodedImage image;
        ASSERT_TRUE(decodeImageFile(dataPath(pictureFile(c.file)), image));
        EXPECT_EQ(image.width, c.width);
        EXPECT_EQ(image.height, c.height);
    }
    DecodedImage strip;
    ASSERT_TRUE(decodeImageFile(dataPath(pictureFile("qmark")), strip));
    EXPECT_EQ(strip.width % map_layout::kQuestionMarkColumns, 0);
    EXPECT_EQ(strip.height % map_layout::kQuestionMarkRows, 0);
}
