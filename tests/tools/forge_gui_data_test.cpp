// The interface pictures of the default data folder: dialog pictures are there, grids cut into
// equal frames, full-screen pictures are JPEG, the dialog frame pieces can tile every dialog, the
// inventory folder holds only items that describe themselves, and the play screen friend's frame
// table stays inside its atlas pages.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "engine/image_codec.h"

namespace fs = std::filesystem;

namespace {

const std::string kData = QV_DATA_DIR;

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

enum class Format { Missing, Png, Jpeg, Other };

struct Picture {
    Format format = Format::Missing;
    int width = 0;   // known for PNG only
    int height = 0;
};

uint32_t bigEndian(const std::string& bytes, size_t at) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<uint8_t>(bytes[at + i]);
    return value;
}

Picture readPicture(const std::string& relPath) {
    const std::string bytes = readFile(kData + "/" + relPath);
    Picture picture;
    if (bytes.size() < 24) return picture;
    if (bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") == 0 && bytes.compare(12, 4, "IHDR") == 0) {
        picture.format = Format::Png;
        picture.width = static_cast<int>(bigEndian(bytes, 16));
        picture.height = static_cast<int>(bigEndian(bytes, 20));
    } else if (static_cast<uint8_t>(bytes[0]) == 0xFF && static_cast<uint8_t>(bytes[1]) == 0xD8) {
        picture.format = Format::Jpeg;
    } else {
        picture.format = Format::Other;
    }
    return picture;
}

// Sections and their keys, enough for the forge's own tables (no continuation lines).
using Ini = std::map<std::string, std::map<std::string, std::string>>;

Ini readIni(const std::string& path) {
    Ini ini;
    std::istringstream lines(readFile(path));
    std::string line;
    std::string section;
    while (std::getline(lines, line)) {
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            section = line.substr(1, line.size() - 2);
            ini[section];
            continue;
        }
        const size_t equals = line.find('=');
        if (equals != std::string::npos) ini[section][line.substr(0, equals)] = line.substr(equals + 1);
    }
    return ini;
}

struct Expected {
    const char* path;  // as the data folder stores it: lower case under img/
    int columns;       // the grid the game cuts it into (1 x 1 for plain pictures)
};

// Pictures cut into frames, and pictures of dialogs and the level end that the start-up list
// does not name.
constexpr Expected kPictures[] = {
    {"img/gui/checkbox.png", 2},
    {"img/gui/numbers.png", 11},
    {"img/gui/char_dlg_back.png", 1},
    {"img/gui/captain.png", 1},
    {"img/gui/professor.png", 1},
    {"img/gui/exit_text.png", 1},
    {"img/states/playing/winlose/blue.png", 1},
    {"img/states/playing/winlose/bonus.png", 1},
    {"img/states/playing/winlose/timeleft.png", 1},
    {"img/states/playing/winlose/total.png", 1},
    {"img/states/playing/winlose/coconut.png", 1},
};

constexpr const char* kDialogPieces[] = {"tl", "t", "tr", "r", "br", "b", "bl", "l"};
// Every frame size a dialog of the game opens with.
constexpr int kDialogSides[] = {450, 250, 500, 650, 700, 550, 400, 750, 300};

}  // namespace

TEST(GuiPictures, DialogPicturesAreThereAndGridsCutIntoEqualFrames) {
    for (const Expected& expected : kPictures) {
        SCOPED_TRACE(expected.path);
        const Picture picture = readPicture(expected.path);
        ASSERT_EQ(picture.format, Format::Png);
        EXPECT_GT(picture.height, 0);
        EXPECT_EQ(picture.width % expected.columns, 0) << "frames would not be equal";
    }
    for (const char* file : {"Spine/levelwin-skeleton.json", "Spine/levelwin-animation.json",
                             "Spine/loselevel-skeleton.json", "Spine/loselevel-animation.json"}) {
        EXPECT_TRUE(fs::is_regular_file(kData + "/" + file)) << file;
    }
}

// Opaque full-screen pictures are JPEG, the credits and chapter pictures under a .png name: the
// game tells the formats apart by content.
TEST(GuiPictures, FullScreenPicturesDecodeByContentWhateverTheirNames) {
    for (const char* path : {"img/credits.png", "img/survey.jpg", "img/states/chapters/back.png"}) {
        SCOPED_TRACE(path);
        DecodedImage image;
        EXPECT_EQ(readPicture(path).format, Format::Jpeg);
        ASSERT_TRUE(decodeImageFile(kData + "/" + path, image));
        EXPECT_EQ(image.width, 1600);
        EXPECT_EQ(image.height, 900);
        EXPECT_EQ(image.pixels[image.pixels.size() / 2] >> 24, 0xffu);
    }
}

TEST(GuiPictures, DialogPiecesAreEqualSquaresThatTileEveryDialogSize) {
    const Picture corner = readPicture("img/gui/dialog_tl.png");
    ASSERT_EQ(corner.format, Format::Png);
    ASSERT_EQ(corner.width, corner.height);
    for (const char* piece : kDialogPieces) {
        const Picture picture = readPicture(std::string("img/gui/dialog_") + piece + ".png");
        EXPECT_EQ(picture.width, corner.width) << piece;
        EXPECT_EQ(picture.height, corner.height) << piece;
    }
    // Edges are laid every corner-width pixels up to the far corner: any remainder is a gap.
    for (int side : kDialogSides) EXPECT_EQ(side % corner.width, 0) << side;
    const Picture left = readPicture("img/gui/button_l.png");
    const Picture middle = readPicture("img/gui/button_m.png");
    const Picture right = readPicture("img/gui/button_r.png");
    EXPECT_EQ(left.height, middle.height);
    EXPECT_EQ(right.height, middle.height);
}

TEST(Inventory, EveryItemPictureHasADescriptionAndEveryDescriptionAPicture) {
    const std::string folder = kData + "/inventory";
    const Ini items = readIni(folder + "/items.ini");
    ASSERT_FALSE(items.empty());
    int pictures = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name == "items.ini" || name == "tooltip.png") continue;
        // Anything else in the folder becomes an item named by its upper-cased stem.
        ASSERT_EQ(entry.path().extension(), ".png") << name;
        std::string id = entry.path().stem().string();
        for (char& c : id) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        const auto section = items.find(id);
        ASSERT_NE(section, items.end()) << name << " would read \"No Description\"";
        EXPECT_FALSE(section->second.count("Description") == 0 || section->second.at("Description").empty()) << id;
        ++pictures;
    }
    EXPECT_EQ(pictures, static_cast<int>(items.size() - items.count(""))) << "a section names no picture";
    EXPECT_EQ(readPicture("inventory/tooltip.png").format, Format::Png);
}

TEST(Friend, FrameTableHolds124FramesInsideTheirPages) {
    const Ini table = readIni(kData + "/friend.ini");
    ASSERT_EQ(table.count(""), 1u);
    const std::string folder = table.at("").at("FOLDER");
    int frames = 0;
    for (const char* animation : {"idle", "look", "misco", "misct"}) {
        SCOPED_TRACE(animation);
        ASSERT_EQ(table.count(animation), 1u);
        const auto& section = table.at(animation);
        ASSERT_EQ(section.at("PAGE"), std::string(animation) + ".png");
        const Picture page = readPicture("img/" + folder + "/" + section.at("PAGE"));
        ASSERT_EQ(page.format, Format::Png);
        const int count = std::stoi(section.at("COUNT"));
        for (int i = 0; i < count; ++i) {
            int x, y, w, h, fw, fh, rotated;
            const std::string& text = section.at("FRAME_" + std::to_string(i));
            ASSERT_EQ(std::sscanf(text.c_str(), "%d,%d,%d,%d,%d,%d,%d", &x, &y, &w, &h, &fw, &fh, &rotated), 7) << text;
            EXPECT_TRUE(x >= 0 && y >= 0 && x + w <= page.width && y + h <= page.height) << text;
            EXPECT_TRUE(w > 0 && h > 0 && w <= fw && h <= fh && (rotated == 0 || rotated == 1)) << text;
        }
        frames += count;
    }
    EXPECT_EQ(frames, 124);
    EXPECT_EQ(std::stoi(table.at("").at("FRAME_COUNT")), 124);
}
