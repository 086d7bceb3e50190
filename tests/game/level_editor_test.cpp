// The level editor: the keys of the edit mode, the page's thumbnails and sets, and the whole
// round of a designer — from the title into the editor, a design edited, saved, reloaded and
// test-played — through the engine's event path on a writable copy of the default data.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "engine/k_event.h"
#include "engine/k_test_input.h"
#include "engine/k_window.h"
#include "framework/core/black_out.h"
#include "framework/core/frame_context.h"
#include "framework/data/player_profiles.h"
#include "game/app/match3.h"
#include "game/editor/design_pages.h"
#include "game/editor/edit_keys.h"
#include "game/editor/level_edit.h"
#include "game/editor/play_edit_mode.h"
#include "game/match3/board.h"
#include "game/match3/board_cell.h"
#include "game/match3/level_files.h"
#include "game/match3/match3_images.h"
#include "tests/game/play_world.h"
#include "tests/support/mirrored_data.h"

namespace {

// ---- The keys of the edit mode ----

struct CellKeyCase {
    int key;
    uint32_t before;
    uint32_t after;
};
constexpr CellKeyCase kCellKeys[] = {
    {'\b', 0x0341, 0x0340},  // backspace: the cell leaves the field, the rest stays
    {'1', 0x00F0, 0x0001},   // active, no layer, not random, not empty
    {'1', 0x0311, 0x0301},
    {'2', 0x0000, 0x0011},   // a disabled cell becomes active with one colour layer
    {'2', 0x00A1, 0x0011},
    {'z', 0x0009, 0x0005},   // single lock replaces a double one
    {'x', 0x0005, 0x0009},
    {'c', 0x000D, 0x0001},
    {'q', 0x0341, 0x0001},   // preset none also clears random fill
    {'w', 0x0041, 0x0101},   // preset colour 0
    {'y', 0xFFFF, 0xF5BF},   // colour 4; bits 12..15 kept
    {'e', 0x12340041, 0x0201},  // the high 16 bits go
    {'?', 0x0001, 0x0041},
    {'?', 0x0041, 0x0001},
    {'.', 0x0041, 0x0081},   // starts empty, no longer random
    {'.', 0x0081, 0x0001},
    {'d', 0x0001, 0x0003},
    {'D', 0x0003, 0x0001},   // letters in either case
};

TEST(EditKeys, EachCellKeyRewritesItsBits) {
    for (const CellKeyCase& c : kCellKeys) {
        SCOPED_TRACE(std::string("key ") + static_cast<char>(c.key) + " on " + std::to_string(c.before));
        uint32_t word = c.before;
        EXPECT_TRUE(applyCellKey(c.key, word));
        EXPECT_EQ(word, c.after);
    }
    for (int other : {int{'a'}, int{'s'}, int{'b'}, int{'3'}, int{' '}, 0}) {
        uint32_t word = 0x41;
        EXPECT_FALSE(applyCellKey(other, word)) << other;
        EXPECT_EQ(word, 0x41u);
    }
}

// A board in edit mode with the pointer over a cell or a border point, as the play screen holds it.
class EditModeBoard : public ::testing::Test {
protected:
    EditModeBoard() {
        words.fill(0);
        board.setupLevel(words, 0, false);
        board.editMode = true;
    }
    static LDvPoint BorderPointCentre(int i, int j) { return {195 + 55 * i + 27, 35 + 55 * j + 27}; }
    int16_t borderAt(int i, int j) const { return board.borders[static_cast<size_t>(i * 14 + j)]; }

    Match3Images images;  // never loaded: logic only
    Board board{images};
    LevelWords words{};
    PlayEditMode edit;
};

TEST_F(EditModeBoard, KeysActOnTheCellUnderThePointerAndRedecodeIt) {
    edit.pointer = Board::cellCentre({3, 2});
    const size_t k = 3 + 20 * 2;
    ASSERT_TRUE(edit.onChar('2', board, words));
    EXPECT_EQ(words[k], 0x11u);
    EXPECT_FALSE(board.cellAt(3, 2)->disabled);
    EXPECT_EQ(board.cellAt(3, 2)->colourLayers, 1);
    ASSERT_TRUE(edit.onChar('1', board, words));
    EXPECT_EQ(board.cellAt(3, 2)->colourLayers, 0);
    ASSERT_TRUE(edit.onKey(K_KEY_BACKSPACE, board, words));
    EXPECT_TRUE(board.cellAt(3, 2)->disabled);
    // Outside the grid no cell changes.
    edit.pointer = {100, 100};
    EXPECT_FALSE(edit.onChar('2', board, words));
    EXPECT_EQ(words, LevelWords{});
}

TEST_F(EditModeBoard, BorderKeysWriteAtTheBorderPointUnderThePointer) {
    edit.pointer = BorderPointCentre(3, 2);
    edit.borderValue = 7;
    EXPECT_TRUE(edit.onChar('b', board, words));
    EXPECT_EQ(borderAt(3, 2), 7);
    board.borders[3 * 14 + 2] = 12;
    EXPECT_TRUE(edit.onChar('v', board, words));
    EXPECT_EQ(edit.borderValue, 12);
    EXPECT_TRUE(edit.onChar('n', board, words));
    EXPECT_EQ(borderAt(3, 2), 0);
    // "m" frames the field: with the square below the point's own square in the field, the top edge.
    words[2 + 20 * 2] = kCellActive;
    EXPECT_TRUE(edit.onChar('m', board, words));
    EXPECT_EQ(borderAt(3, 2), 4);
    // Left of and above the frame, and past its last point, nothing is written.
    for (LDvPoint off : {LDvPoint{194, 300}, LDvPoint{300, 34}, LDvPoint{195 + 55 * 22, 300}, LDvPoint{300, 35 + 55 * 14}}) {
        edit.pointer = off;
        EXPECT_FALSE(edit.onChar('b', board, words)) << off.x << "," << off.y;
    }
}

struct ArrowCase {
    int key;
    int value;
    int valueAfter;
    int written;  // at the point; 0 when nothing is written
};
constexpr ArrowCase kArrows[] = {
    {K_KEY_RIGHT, 29, 30, 30}, {K_KEY_RIGHT, 30, 30, 0}, {K_KEY_LEFT, 2, 1, 1}, {K_KEY_LEFT, 1, 1, 0},
};

TEST_F(EditModeBoard, ArrowsStepTheBorderValueWithinOneToThirty) {
    for (const ArrowCase& c : kArrows) {
        SCOPED_TRACE(std::to_string(c.key) + " at " + std::to_string(c.value));
        board.borders.fill(0);
        edit.borderValue = c.value;
        edit.pointer = BorderPointCentre(0, 0);
        edit.onKey(c.key, board, words);
        EXPECT_EQ(edit.borderValue, c.valueAfter);
        EXPECT_EQ(borderAt(0, 0), c.written);
    }
}

// ---- The editor's page ----

struct PickCase {
    int x, y;
    int thumbnail;
};
constexpr PickCase kPicks[] = {
    {0, 0, 0}, {799, 239, 1}, {800, 240, 6}, {1599, 719, 11}, {10, 719, 8},
    // The button row below the thumbnails picks none of them.
    {10, 720, LevelEdit::kNone}, {1100, 760, LevelEdit::kNone}, {1599, 899, LevelEdit::kNone},
    {-1, 10, LevelEdit::kNone}, {1600, 10, LevelEdit::kNone},
};

TEST(LevelEditPage, PicksTheThumbnailUnderAClickAndNoneInTheButtonRow) {
    for (const PickCase& c : kPicks) {
        EXPECT_EQ(LevelEdit::thumbnailAt(c.x, c.y), c.thumbnail) << c.x << "," << c.y;
    }
}

TEST(LevelEditPage, EveryDesignTheLevelOrderNamesLiesOnAPage) {
    const LDvString order = "0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28,29,30,31";
    const int lastSet = lastDesignSetFor(highestOrderedDesignIn(order));
    EXPECT_EQ(lastSet, kMinLastDesignSet);
    for (int level = 1; level <= 32; ++level) {
        const int design = levelFileNumberIn(order, level);
        const int set = design / kDesignsPerSet;
        SCOPED_TRACE(design);
        EXPECT_LE(set, lastSet);
        EXPECT_LT(design - designSetBase(set), LevelEdit::kThumbnails);
    }
    EXPECT_EQ(lastDesignSetFor(highestOrderedDesignIn("3,250")), 250 / kDesignsPerSet);
    // The last page of all still numbers its twelve designs without overflowing.
    EXPECT_LE(designSetBase(lastDesignSetFor(highestOrderedDesignIn("2147483647"))), 2147483647 - 11);
}

// ---- The designer's round, through the engine's event path ----

std::string Bytes(const uint8_t* data, size_t size) { return std::string(reinterpret_cast<const char*>(data), size); }

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void TypeChar(PlayWorld& world, char c) {
    Frame().window->deliverCharacter(static_cast<uint32_t>(c));
    world.steps(1);
}

// Ctrl+Shift+E on the title, as a designer presses it; true once the editor has faded in.
bool OpenEditor(PlayWorld& world) {
    BlackOut& fade = world.game().screenFade;
    if (!world.stepUntil([&] { return fade.fadeStepsRemaining == 0 && fade.holdStepsRemaining == 0; }, 300)) return false;
    KWindow& window = *Frame().window;
    for (int key : {K_KEY_CONTROL, K_KEY_SHIFT, K_KEY_A + ('E' - 'A')}) window.deliverEvent(KTestInput::keyEvent(K_EVENT_KEYDOWN, key));
    for (int key : {K_KEY_A + ('E' - 'A'), K_KEY_SHIFT, K_KEY_CONTROL}) window.deliverEvent(KTestInput::keyEvent(K_EVENT_KEYUP, key));
    LevelEdit& editor = world.game().levelEdit;
    return world.stepUntil([&] { return Frame().currentState == &editor && world.game().screenFade.fadeStepsRemaining == 0; }, 300);
}

bool InEditMode(PlayWorld& world) {
    Playing& play = world.play();
    return world.stepUntil([&] { return Frame().currentState == &play && play.board->editMode; }, 300);
}

LDvPoint ThumbnailCentre(int k) { return {400 * (k % 4) + 200, 240 * (k / 4) + 120}; }

// The designer's own progress, which no test play may change.
void DesignerProgress() {
    SetPlayerInt(nullptr, "CURRENT_LEVEL", 5);
    SetPlayerInt(nullptr, "SET_LEVEL", 4);
    SetPlayerInt(nullptr, "CURRENT_RESOURCES", 1234);
}

TEST(LevelEditor, ADesignIsEditedSavedReloadedAndTestPlayedWithoutTouchingProgress) {
    MirroredData data;
    // Design 1: all field, nothing coloured (won as soon as its board is revealed), but the corner.
    LevelWords design;
    design.fill(kCellActive | kCellRandomFill);
    design[0] = 0;
    const auto cellBytes = encodeCellFile(design);
    data.write("levels/level_1.lvl", Bytes(cellBytes.data(), cellBytes.size()));
    PlayWorld world(data.path(), DesignerProgress, PlayWorld::Start::Title);
    ASSERT_TRUE(world.started());
    ASSERT_TRUE(OpenEditor(world));
    LevelEdit& editor = world.game().levelEdit;

    const LDvPoint one = ThumbnailCentre(1);
    world.click(one.x, one.y);
    EXPECT_EQ(editor.first, 1);
    world.click(1100, 760);  // the button row, between buttons
    EXPECT_EQ(editor.first, 1);
    world.clickOn(editor.playButton);
    ASSERT_TRUE(InEditMode(world));
    Playing& play = world.play();
    EXPECT_EQ(play.levelData, design);

    const LDvPoint corner = Board::cellCentre({0, 0});
    world.moveMouse(corner.x, corner.y);
    TypeChar(world, '1');
    EXPECT_EQ(play.levelData[0], kCellActive);
    EXPECT_FALSE(play.board->cellAt(0, 0)->disabled);
    TypeChar(world, 's');
    const auto saved = encodeCellFile(play.levelData);
    EXPECT_EQ(ReadFile(data.path() + "/levels/level_1.lvl"), Bytes(saved.data(), saved.size()));
    EXPECT_EQ(ReadFile(data.path() + "/levels/border_1.lvl").size(), kBorderFileBytes);
    LevelWords reloaded{};
    ASSERT_TRUE(readCellFile(1, reloaded));
    EXPECT_EQ(reloaded, play.levelData);

    world.key(K_KEY_ESCAPE);
    EXPECT_FALSE(play.board->editMode);
    ASSERT_TRUE(world.stepUntil([&] { return !play.continueButton.hidden; }, 900));
    world.clickOn(play.continueButton);
    ASSERT_TRUE(world.stepUntil([&] { return Frame().currentState == &editor; }, 300));
    EXPECT_EQ(GetPlayerInt(nullptr, "CURRENT_LEVEL", 0), 5);
    EXPECT_EQ(GetPlayerInt(nullptr, "SET_LEVEL", 0), 4);
    EXPECT_EQ(GetPlayerInt(nullptr, "CURRENT_RESOURCES", 0), 1234);
    // The page shows the saved design again.
    EXPECT_FALSE(editor.thumbnails[1]->cellAt(0, 0)->disabled);
}

TEST(LevelEditor, SwapRewritesBothFilesOfTheSetAndSavingWithoutADesignWritesNothing) {
    MirroredData data;
    PlayWorld world(data.path(), {}, PlayWorld::Start::Title);
    ASSERT_TRUE(world.started());
    ASSERT_TRUE(OpenEditor(world));
    LevelEdit& editor = world.game().levelEdit;
    world.clickOn(editor.nextSetButton);
    world.clickOn(editor.nextSetButton);
    world.clickOn(editor.prevSetButton);
    ASSERT_EQ(editor.base, 12);
    LevelWords beforeFirst{}, beforeLast{};
    ASSERT_TRUE(readCellFile(12, beforeFirst) && readCellFile(23, beforeLast));
    const LDvPoint a = ThumbnailCentre(0), b = ThumbnailCentre(11);
    world.click(a.x, a.y);
    world.rightClick(b.x, b.y);
    world.clickOn(editor.swapButton);
    LevelWords afterFirst{}, afterLast{};
    ASSERT_TRUE(readCellFile(12, afterFirst) && readCellFile(23, afterLast));
    for (int k = 0; k < kLevelWordCount; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(afterFirst[k], encodeCellWord(decodeCellWord(beforeLast[k])));
        EXPECT_EQ(afterLast[k], encodeCellWord(decodeCellWord(beforeFirst[k])));
    }
    EXPECT_EQ(editor.first, LevelEdit::kNone);

    world.clickOn(editor.playButton);  // nothing selected
    ASSERT_TRUE(InEditMode(world));
    TypeChar(world, 's');
    EXPECT_FALSE(std::filesystem::exists(data.path() + "/levels/level_-1.lvl"));
    EXPECT_GT(world.play().edit.message.ticksLeft, 0);
    EXPECT_EQ(world.countInLog("nothing saved"), 1);
}

TEST(LevelEditor, AnUnwritableDataFolderIsReportedOnThePageAndInEditMode) {
    MirroredData data;
    // Tests run as root, so a folder's permissions stop nothing: the designs' folder is a file.
    std::ofstream(data.prepare("levels")) << "not a folder";
    PlayWorld world(data.path(), {}, PlayWorld::Start::Title);
    ASSERT_TRUE(world.started());
    ASSERT_TRUE(OpenEditor(world));
    LevelEdit& editor = world.game().levelEdit;
    const LDvPoint a = ThumbnailCentre(0);
    world.click(a.x, a.y);
    world.clickOn(editor.clearButton);
    EXPECT_GT(editor.message.ticksLeft, 0);
    EXPECT_NE(editor.message.text.find("Could not save design 0"), LDvString::npos);

    world.click(a.x, a.y);
    world.clickOn(editor.playButton);
    ASSERT_TRUE(InEditMode(world));
    TypeChar(world, 's');
    EXPECT_NE(world.play().edit.message.text.find("Could not save design 0"), LDvString::npos);
    EXPECT_EQ(world.countInLog("Could not save design 0"), 2);
}

}  // namespace
