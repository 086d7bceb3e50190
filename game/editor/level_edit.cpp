#include "game/editor/level_edit.h"

#include <string>

#include "framework/core/black_out.h"
#include "framework/core/folders.h"
#include "framework/ui/ldv_font.h"
#include "framework/ui/overlay_images.h"
#include "game/app/game_view.h"
#include "game/editor/design_pages.h"
#include "game/match3/board.h"
#include "game/match3/board_level_files.h"
#include "game/match3/playing.h"
#include "game/widgets/dialog_backdrop.h"

namespace {

constexpr const char* kBackPicture = "states/leveledit/back.png";
constexpr const char* kFramePicture = "states/leveledit/thumbnail_back.png";
constexpr const char* kButtonPicture = "states/leveledit/btnEdit.png";
constexpr int kFrameColumns = 3;              // plain, second selection, first selection
constexpr int kFramePlain = 0;
constexpr int kFrameSecond = 1;
constexpr int kFrameFirst = 2;
constexpr int kButtonStates = 3;              // normal, pressed, hover; one above the other
constexpr int32_t kHoverButtonKind = 1;
constexpr int kButtonFont = 2;
constexpr int kLabelFont = 3;
constexpr int kPageLabelX = 560;
constexpr int kPageLabelY = 830;
constexpr int kMessageY = 690;
constexpr float kLabelR = 0.97f, kLabelG = 0.92f, kLabelB = 0.78f;   // parchment

constexpr std::array<int, 5> kThumbnailColours = {0, 1, 2, 3, 4};

}  // namespace

LevelEdit::LevelEdit(GameView& view, Playing& play) : game(view), playing(play) {}

LevelEdit::~LevelEdit() = default;

int LevelEdit::thumbnailAt(int x, int y) {
    // The button row lies below the third row of thumbnails: a click there picks none of them.
    if (x < 0 || y < 0 || x >= ThumbnailDrawer::kColumns * ThumbnailDrawer::kPitchX || y >= kPageBottom) return kNone;
    return x / ThumbnailDrawer::kPitchX + y / ThumbnailDrawer::kPitchY * ThumbnailDrawer::kColumns;
}

void LevelEdit::OnFirstEnter() {
    drawer.images = &game.BoardArt();
    LoadImage(&background, kBackPicture);
    for (int k = 0; k < kThumbnails; ++k) {
        LDvSprite& frame = frames[static_cast<size_t>(k)];
        if (k == 0) {
            LoadFrames(&frame, kFramePicture, kFrameColumns, 1, kFrameColumns);
        } else {
            SharePicture(&frame, &frames[0]);
        }
        frame.SetPosition(ThumbnailDrawer::kPitchX * (k % ThumbnailDrawer::kColumns),
                          ThumbnailDrawer::kPitchY * (k / ThumbnailDrawer::kColumns));
        thumbnails[static_cast<size_t>(k)] = std::make_unique<Board>(game.BoardArt());
        drawer.boards[static_cast<size_t>(k)] = thumbnails[static_cast<size_t>(k)].get();
    }
    LoadFrames(&prevSetButton, kButtonPicture, 1, kButtonStates, kButtonStates);
    setUpButton(prevSetButton, "Prev Set", 31, 738);
    setUpButton(nextSetButton, "Next Set", 281, 738);
    setUpButton(swapButton, "Swap", 531, 738);
    setUpButton(clearButton, "Clear", 781, 738);
    setUpButton(playButton, "Play", 1281, 738);
    setUpButton(copyButton, "Copy", 31, 813);
    setUpButton(pasteButton, "Paste", 281, 813);
    pageLabel.font = &game.Font(kLabelFont);
    pageLabel.SetPosition(kPageLabelX, kPageLabelY);
    message.font = &game.Font(kLabelFont);
    message.centreY = kMessageY;
}

void LevelEdit::setUpButton(EditorButton& button, const char* label, int x, int y) {
    if (&button != &prevSetButton) SharePicture(&button, &prevSetButton);
    button.kind = kHoverButtonKind;
    button.enabled = true;
    button.text = label;
    button.font = &game.Font(kButtonFont);
    button.SetPosition(x, y);
}

void LevelEdit::ToggleOverlays() {
    ToggleOverlayList({&background}, this);
    for (LDvSprite& frame : frames) ToggleOverlayList({&frame}, this);
    ToggleOverlayList({&drawer, &prevSetButton, &nextSetButton, &swapButton, &clearButton, &playButton, &copyButton,
                       &pasteButton, &pageLabel, &message},
                      this);
}

void LevelEdit::OnEnter() {
    lastSet = lastDesignSetFor(highestOrderedDesign());
    if (set > lastSet) set = lastSet;
    base = designSetBase(set);
    message.clear();
    playing.editMode = false;
    loadPage();
    clearSelections();
    game.ScreenFade().FadeFromBlack();
}

void LevelEdit::loadPage() {
    for (int k = 0; k < kThumbnails; ++k) {
        Board& board = *thumbnails[static_cast<size_t>(k)];
        board.colours.Clear();
        for (int colour : kThumbnailColours) board.colours.Add(colour);
        loadLevelInto(board, base + k);
    }
    pageLabel.text = "Set " + std::to_string(set + 1) + " of " + std::to_string(lastSet + 1) + ": designs " +
                     std::to_string(base) + " to " + std::to_string(base + kThumbnails - 1);
}

// The fonts are shared: the label's colour is set before every frame.
void LevelEdit::Update() { SetTextColor(pageLabel.font, kLabelR, kLabelG, kLabelB); }

void LevelEdit::refreshFrames() {
    for (LDvSprite& frame : frames) frame.SetFrame(kFramePlain);
    if (first != kNone) frames[static_cast<size_t>(first)].SetFrame(kFrameFirst);
    if (second != kNone) frames[static_cast<size_t>(second)].SetFrame(kFrameSecond);
}

void LevelEdit::clearSelections() {
    first = second = kNone;
    refreshFrames();
}

void LevelEdit::OnClick(int x, int y) { select(x, y, first); }

void LevelEdit::OnRightClick(int x, int y) { select(x, y, second); }

void LevelEdit::select(int x, int y, int32_t& selection) {
    const int k = thumbnailAt(x, y);
    if (k == kNone || k == first || k == second) return;
    selection = k;
    refreshFrames();
}
