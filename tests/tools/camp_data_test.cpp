// The camp's default data: build.ini's buildings have their three stage pictures and stand clear
// of the buttons, and its prices let a new player buy the huts first with what the first level
// pays, and nothing else before them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/image_codec.h"
#include "game/expedition/camp_layout.h"
#include "game/match3/board_cell.h"
#include "game/match3/level_files.h"
#include "tests/tools/data_folder.h"

namespace {

struct Box {
    int left = 0, top = 0, right = -1, bottom = -1;  // inclusive; empty when right < left
    bool empty() const { return right < left || bottom < top; }
};

bool overlap(const Box& a, const Box& b) {
    return !a.empty() && !b.empty() && a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

constexpr uint32_t kSolid = 128;  // alpha from which a pixel hides what lies under it

// The box of a picture's solid pixels, placed at (x, y); soft shadows and glows do not count.
Box solidBox(const std::string& picture, int x, int y) {
    DecodedImage image;
    if (!decodeImageFile(dataPath(picture), image)) return {};
    Box box{image.width, image.height, -1, -1};
    for (int row = 0; row < image.height; ++row) {
        for (int col = 0; col < image.width; ++col) {
            if ((image.pixels[static_cast<size_t>(row * image.width + col)] >> 24) < kSolid) continue;
            box = {std::min(box.left, col), std::min(box.top, row), std::max(box.right, col), std::max(box.bottom, row)};
        }
    }
    if (box.empty()) return {};
    return {box.left + x, box.top + y, box.right + x, box.bottom + y};
}

std::string lowerCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

struct Building {
    std::string group, image;
    int x = 0, y = 0;
};

// Buildings as the camp reads them: "BUILDING1", "BUILDING2", ... up to the first missing one.
std::vector<Building> buildingsOf(const std::vector<TableSection>& groups) {
    std::vector<Building> buildings;
    for (const TableSection& group : groups) {
        for (int n = 1; n <= 10 && !group.value("BUILDING" + std::to_string(n)).empty(); ++n) {
            const std::string value = group.value("BUILDING" + std::to_string(n));
            Building b{group.name, lowerCase(value.substr(0, value.find(';'))), 0, 0};
            b.x = std::atoi(value.c_str() + value.find(';') + 1);
            b.y = std::atoi(value.c_str() + value.find(',') + 1);
            buildings.push_back(b);
        }
    }
    return buildings;
}

std::string stagePicture(const Building& b, int stage) {
    return "img/states/camp/" + b.image + "_s" + std::to_string(stage) + ".png";
}

std::vector<TableSection> buildTable() {
    std::string text;
    readDataFile(dataPath("build.ini"), text);
    return readTableSections(text);
}

// Everything standing at the screen's edges while a menu is up: the buttons at rest and the
// boards hanging from the top.
std::vector<std::pair<std::string, Box>> fixedParts() {
    using namespace camp_layout;
    const std::pair<const char*, Point> rests[] = {
        {"btnfieldguide", kFieldGuideRest}, {"btnbuild", kBuildRest},           {"btnexplore", kExploreRest},
        {"btnback", kBackRest},             {"btnplay", kPlayRest},             {"btnbuildhuts", kBuildMenuRests[0]},
        {"btnupgradehuts", kBuildMenuRests[0]}, {"btnbuildlab", kBuildMenuRests[1]},
        {"btnbuildclinic", kBuildMenuRests[2]}, {"btnfinishcamp", kBuildMenuRests[3]},
    };
    std::vector<std::pair<std::string, Box>> parts;
    for (const auto& [file, at] : rests) {
        parts.push_back({file, solidBox(std::string("img/states/camp/") + file + ".png", at.x, at.y)});
    }
    for (const auto& [file, x] : {std::pair{"btnmenu", kMenuButtonX}, std::pair{"level_board", kLevelBoardX},
                                  std::pair{"score_board", kScoreBoardX}}) {
        parts.push_back({file, solidBox(std::string("img/gui/") + file + ".png", x, kBoardRestY)});
    }
    return parts;
}

// What the first level of the order pays at least: 50 for every colour layer and lock broken.
int firstLevelPoints(const LevelTable& levels) {
    std::string bytes;
    LevelWords words{};
    if (levels.order.empty() || !readDataFile(dataPath("levels/level_" + levels.order[0] + ".lvl"), bytes) ||
        !decodeCellFile(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), words)) {
        return -1;
    }
    int points = 0;
    for (uint32_t word : words) {
        const BoardCell cell = decodeCellWord(word);
        if (!cell.disabled) points += 50 * (cell.colourLayers + cell.lock);
    }
    return points;
}

int priceOf(const TableSection& group) {
    const std::string price = group.value("PRICE");
    return price.empty() ? 1000 : std::atoi(price.c_str());
}

}  // namespace

TEST(CampData, EveryBuildingHasThreeStagesOfOneSize) {
    const std::vector<Building> buildings = buildingsOf(buildTable());
    ASSERT_FALSE(buildings.empty());
    for (const Building& b : buildings) {
        SCOPED_TRACE(b.group + " " + b.image);
        DecodedImage first;
        ASSERT_TRUE(decodeImageFile(dataPath(stagePicture(b, 1)), first));
        for (int stage = 2; stage <= 3; ++stage) {
            DecodedImage later;
            ASSERT_TRUE(decodeImageFile(dataPath(stagePicture(b, stage)), later)) << stage;
            EXPECT_EQ(later.width, first.width) << "stages cross-fade in place";
            EXPECT_EQ(later.height, first.height);
        }
    }
}

// Buildings in front of the palms are drawn after the buttons, so one reaching into a button's
// place would cover it.
TEST(CampData, BuildingsStandClearOfTheButtonsAndBoards) {
    const std::vector<std::pair<std::string, Box>> parts = fixedParts();
    for (const auto& [file, box] : parts) ASSERT_FALSE(box.empty()) << file;
    for (const Building& b : buildingsOf(buildTable())) {
        for (int stage = 1; stage <= 3; ++stage) {
            const Box building = solidBox(stagePicture(b, stage), b.x, b.y);
            for (const auto& [file, box] : parts) {
                EXPECT_FALSE(overlap(building, box)) << b.image << " stage " << stage << " covers " << file;
            }
        }
    }
}

// At level 2 with tips on, Play stays hidden until the huts stand: one win of the first level
// must pay for them, and the lab (the one other group a new player may buy: the clinic and the
// hut upgrade are locked, finishing the camp is not offered yet) must stay out of reach.
TEST(CampData, ANewPlayerCanBuyTheHutsFirstAndNothingElse) {
    constexpr int kTimeBonusPerSecond = 4;
    constexpr int kPraiseAllowance = 1000;  // praise and crystal points on a first board stay well below this
    std::string levelsText;
    ASSERT_TRUE(readDataFile(dataPath("levels.ini"), levelsText));
    const LevelTable levels = readLevelTable(levelsText);
    const int guaranteed = firstLevelPoints(levels);
    ASSERT_GT(guaranteed, 0);
    const auto time = levels.times.find("LEVEL_TIME_" + levels.order[0]);
    ASSERT_NE(time, levels.times.end());
    const int seconds = timeSeconds(time->second);
    ASSERT_GT(seconds, 0);
    const int mostPaid = guaranteed + kTimeBonusPerSecond * seconds + kPraiseAllowance;
    const std::vector<TableSection> groups = buildTable();
    const auto group = [&](const char* key) {
        return std::find_if(groups.begin(), groups.end(), [&](const TableSection& s) { return s.name == key; });
    };
    ASSERT_NE(group("HUTS"), groups.end());
    ASSERT_NE(group("LAB"), groups.end());
    EXPECT_LE(priceOf(*group("HUTS")), guaranteed);
    EXPECT_GT(priceOf(*group("LAB")), mostPaid);
}
