// Every text of the language table, of the build table and of the field guide's pages fits the box
// the game shows it in, measured with the generated fonts and wrapped the way the game wraps.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>

#include "tests/tools/data_folder.h"

namespace {

struct BoxCase {
    const char* what;
    int first, last;  // text numbers
    const char* font;
    double scale;
    long width;       // pixels on the canvas
    int maxLines;
};

// Boxes as the screens lay them out (line heights of the generated fonts decide the line counts).
constexpr BoxCase kBoxes[] = {
    {"casual/expert descriptions", 4, 5, "Artifika_14Pt", 1.0, 410, 4},
    {"player messages", 14, 15, "Artifika_18Pt", 1.0, 380, 6},
    {"tip check box label", 16, 16, "Artifika_14Pt", 0.75, 300, 1},
    {"camp tips", 19, 21, "Artifika_14Pt", 1.0, 381, 6},
    {"captain's log", 22, 23, "Artifika_14Pt", 1.0, 377, 15},
    {"play tip", 24, 24, "Artifika_14Pt", 1.0, 381, 6},
    {"more huts", 25, 27, "Artifika_14Pt", 1.0, 377, 15},
    {"dialog titles", 28, 28, "Artifika_24Pt", 1.0, 386, 1},
    {"hoarding remark", 29, 29, "Artifika_14Pt", 1.0, 377, 15},
    {"explore tip", 30, 30, "Artifika_14Pt", 1.0, 381, 6},
    {"dialog titles", 31, 31, "Artifika_24Pt", 1.0, 386, 1},
    {"camp dialogs", 32, 33, "Artifika_14Pt", 1.0, 377, 15},
    {"price slot", 34, 34, "Artifika_14Pt", 1.0, 260, 1},
    {"task list", 35, 43, "ArchitectsDaughter_18Pt", 0.75, 400, 1},
    {"map refusals", 44, 45, "Artifika_14Pt", 1.0, 377, 15},
    {"why explore tip", 46, 46, "Artifika_14Pt", 1.0, 381, 6},
    {"price slot", 47, 49, "Artifika_14Pt", 1.0, 200, 1},
    {"expedition title", 50, 50, "Artifika_24Pt", 1.0, 353, 1},
    {"expedition description", 51, 51, "Artifika_14Pt", 1.0, 353, 8},
    {"expedition refusal", 53, 53, "Artifika_14Pt", 1.0, 353, 8},
    {"map tips", 54, 55, "Artifika_14Pt", 1.0, 381, 6},
    {"movie captions", 56, 59, "Artifika_14Pt", 1.0, 1195, 2},
    {"play screen help", 60, 68, "Artifika_14Pt", 1.0, 381, 6},
    {"scene tips", 71, 72, "Artifika_14Pt", 1.0, 381, 6},
    {"scene questions", 73, 73, "Artifika_14Pt", 1.0, 380, 6},
    {"scene questions", 76, 76, "Artifika_14Pt", 1.0, 380, 6},
};

}  // namespace

TEST(LanguageTable, TextsFitTheirBoxes) {
    std::string english;
    ASSERT_TRUE(readDataFile(dataPath("Locale/english.txt"), english));
    const std::vector<std::string> texts = splitLines(english);
    std::map<std::string, std::map<unsigned long, long>> fonts;
    for (const BoxCase& box : kBoxes) {
        auto& advances = fonts[box.font];
        if (advances.empty()) advances = readFontAdvances(box.font);
        ASSERT_FALSE(advances.empty()) << box.font;
        for (int n = box.first; n <= box.last; ++n) {
            ASSERT_LE(static_cast<size_t>(n), texts.size());
            const std::string& text = texts[static_cast<size_t>(n - 1)];
            SCOPED_TRACE(std::string(box.what) + ", text " + std::to_string(n) + ": " + text);
            const long width = static_cast<long>(static_cast<double>(box.width) / box.scale);
            EXPECT_LE(wrappedLines(advances, text, width), box.maxLines);
        }
    }
}

namespace {

// Lines of a text at a scale within a width in pixels of the canvas.
int linesAt(const std::map<unsigned long, long>& advances, const std::string& text, double scale, long width) {
    return wrappedLines(advances, text, static_cast<long>(static_cast<double>(width) / scale));
}

std::vector<TableSection> dataTable(const char* file) {
    std::string text;
    readDataFile(dataPath(file), text);
    return readTableSections(text);
}

}  // namespace

// The build dialog: the name over the whole frame, the description (or, while the group is
// locked, its locked text, which has the price slot's room too) beside the icon.
TEST(BuildTable, TextsFitTheBuildDialog) {
    const auto body = readFontAdvances("Artifika_14Pt");
    const auto title = readFontAdvances("Artifika_24Pt");
    const std::vector<TableSection> groups = dataTable("build.ini");
    ASSERT_FALSE(groups.empty());
    for (const TableSection& group : groups) {
        SCOPED_TRACE(group.name);
        EXPECT_LE(linesAt(title, group.value("NAME"), 1.0, 550), 1);
        EXPECT_LE(linesAt(body, group.value("DESCRIPTION"), 1.0, 353), 8);
        EXPECT_LE(linesAt(body, group.value("LOCKED"), 1.0, 353), 10);
    }
}

// The guide writes a page's heading, then its text, in lines of 21 pixels: above a sketch there
// is room for 11 lines, under one for 11, on a page of its own for 23.
TEST(FieldGuideTable, PagesFitTheirPages) {
    constexpr double kScale = 0.75;
    constexpr long kPageWidth = 450;
    struct Room { const char* type; int lines; };
    constexpr Room kRooms[] = {{"SINGLE_TOP", 11}, {"SINGLE_BOTTOM", 11}, {"DOUBLE_LEFT", 23}, {"DOUBLE_RIGHT", 23}};
    const auto font = readFontAdvances("ArchitectsDaughter_18Pt");
    const std::vector<TableSection> pages = dataTable("fieldguide.ini");
    ASSERT_FALSE(pages.empty());
    for (const TableSection& page : pages) {
        SCOPED_TRACE(page.name);
        const auto room = std::find_if(std::begin(kRooms), std::end(kRooms),
                                       [&](const Room& r) { return page.value("PAGE_TYPE") == r.type; });
        ASSERT_NE(room, std::end(kRooms));
        const int lines = linesAt(font, page.value("HEADER"), kScale, kPageWidth) +
                          linesAt(font, page.value("BODY"), kScale, kPageWidth);
        EXPECT_LE(lines, room->lines);
    }
}

namespace {

// Lines of the expedition dialogs' text blocks, which keep a blank after every word and drop the
// lines that do not fit their rectangle.
int blockLines(const std::map<unsigned long, long>& advances, const std::string& text, long width) {
    std::istringstream words(text);
    std::string word, line;
    int lines = 0;
    while (words >> word) {
        if (line.empty() || textWidth(advances, line + word) <= width) {
            line += word + " ";
            continue;
        }
        ++lines;
        line = word + " ";
    }
    return lines + (line.empty() ? 0 : 1);
}

int pictureHeight(const char* file) {
    std::string bytes;
    readDataFile(dataPath(file), bytes);
    // A PNG's height is the big-endian word at byte 20 of its header.
    if (bytes.size() < 24) return 0;
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.data()) + 20;
    return (b[0] << 24) | (b[1] << 16) | (b[2] << 8) | b[3];
}

long lineHeight(const char* font) {
    std::string table;
    readDataFile(dataPath(std::string("fonts/") + font + ".table"), table);
    long version = 0, pages = 0, glyphs = 0, height = 0;
    std::sscanf(table.c_str(), "%%ktext %ld %ld %ld %ld", &version, &pages, &glyphs, &height);
    return height;
}

}  // namespace

// What the map's dialogs show of a discovery: its EXPLORE text in the information dialog before a
// scene, a blocker's BLOCKER text over its reward rows, a passed blocker's DESCRIPTION in the
// information dialog, any other DESCRIPTION (a scene's too, once it is played) over its reward
// rows in the discovery dialog. Text
// that does not fit is cut off, so every text must fit whole. The boxes are laid out as the
// dialogs lay them out: the information dialog's text 45 pixels in from its 450-wide frame at
// y 250, from 38 below the top to 8 above its button (30 above the frame's bottom at 500); the
// other two dialogs' text 55 pixels in from their frame at y 100 to 600, 14 below the title (whose
// top is 40 below the frame's), above the rows (44 each, 14 apart from text and buttons), above
// the buttons (34 above the bottom).
TEST(DiscoveryTable, TextsFitTheirDialogs) {
    const auto font = readFontAdvances("Artifika_14Pt");
    const long line = lineHeight("artifika_14pt");
    const int button = pictureHeight("img/gui/button_m.png");
    ASSERT_GT(line, 0);
    ASSERT_GT(button, 0);
    const int infoLines = static_cast<int>((500 - 30 - button - 8 - (250 + 38)) / line);
    const auto listLines = [&](const char* title, size_t rows) {
        const int top = 100 + 40 + pictureHeight(title) + 14;
        const int bottom = 600 - 34 - button - 14 - 44 * static_cast<int>(rows) - 14;
        return static_cast<int>((bottom - top) / line);
    };
    std::set<std::string> blockers;
    const std::vector<TableSection> sections = dataTable("discoveries.ini");
    ASSERT_FALSE(sections.empty());
    for (const TableSection& s : sections) {
        if (!s.value("EXPLORE").empty() || s.value("BLOCKER").find(' ') != std::string::npos) continue;
        if (!s.value("BLOCKER").empty()) blockers.insert(s.value("BLOCKER"));
    }
    for (const TableSection& s : sections) {
        SCOPED_TRACE(s.name);
        const std::string rewards = s.value("REWARDS");
        const size_t rows = rewards.empty() ? 0 : std::count(rewards.begin(), rewards.end(), ';') + 1;
        if (blockers.count(s.name) != 0) {
            EXPECT_LE(blockLines(font, s.value("BLOCKER"), 340), listLines("img/gui/jungle_text.png", rows));
            continue;
        }
        if (!s.value("EXPLORE").empty()) {
            EXPECT_LE(blockLines(font, s.value("EXPLORE"), 360), infoLines);
        }
        if (!s.value("BLOCKER").empty()) {
            EXPECT_LE(blockLines(font, s.value("DESCRIPTION"), 360), infoLines);
        } else {
            EXPECT_LE(blockLines(font, s.value("DESCRIPTION"), 340), listLines("img/gui/new_discovery_text.png", rows));
        }
    }
}
