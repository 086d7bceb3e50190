#include "game/expedition/field_guide.h"

#include <string>

#include "framework/core/state_control.h"
#include "framework/data/ldv_ini_file.h"
#include "framework/ui/overlay_images.h"
#include "game/app/game_view.h"
#include "game/assets/game_sounds.h"
#include "game/assets/sound_paths.h"
#include "game/expedition/data_table.h"
#include "game/expedition/progress_flags.h"
#include "game/widgets/dialog_backdrop.h"

namespace {

constexpr int kLayer = 5;                          // above the dialog dimmer
constexpr int kCanvasCentreX = 800, kCanvasCentreY = 450;
constexpr LDvPoint kNextAt{1154, 655};
constexpr LDvPoint kPreviousAt{316, 656};
constexpr LDvPoint kCloseAt{1187, 124};
constexpr LDvPoint kTasksAt{317, 93};
constexpr int kGuideFont = 8;                      // "ArchitectsDaughter_18Pt"
constexpr float kUnusableOpacity = 0.35f;

constexpr const char* kPagesSection = "PAGES";
constexpr const char* kTasksSection = "TASKS";
constexpr const char* kTipsSection = "TIPS";
constexpr const char* kSeenTipKey = "SAW_FIELDGUIDE_TIP";

// A button that cannot be used is faded and neither glows nor takes clicks.
void SetUsable(LDvButton& button, bool usable) {
    button.enabled = usable;
    button.isButton = usable;
    button.opacity = usable ? 1.0f : kUnusableOpacity;
}

void LoadOnce(LDvOverlay& overlay, const LDvString& path) {
    if (!overlay.loaded) LoadImage(&overlay, path);
}

}  // namespace

FieldGuide::FieldGuide(GameView& view) : game(view) {
    SetLayers({&book, &nextButton, &previousButton, &closeButton, &tasksButton, &pageDrawer}, kLayer);
    for (LDvButton* button : {&nextButton, &previousButton, &closeButton, &tasksButton}) {
        button->kind = kButtonKindGlow;
        button->enabled = true;
    }
}

void FieldGuide::LoadPictures() {
    LoadOnce(book, "fieldguide/bookbase.png");
    LoadOnce(closeButton, "fieldguide/btn_close.png");
    LoadOnce(nextButton, "fieldguide/btn_next.png");
    LoadOnce(previousButton, "fieldguide/btn_prev.png");
    LoadOnce(tasksButton, "fieldguide/btn_tasks.png");
    LoadOnce(taskTab, "fieldguide/task_tab_overlay.png");
    for (int i = 0; i < kSketches; ++i) LoadOnce(sketches[i], "fieldguide/sketch_" + std::to_string(i) + ".png");
    LoadOnce(checkMark, "fieldguide/checkmark.png");
}

void FieldGuide::ReleasePictures() {
    for (LDvOverlay* overlay : std::initializer_list<LDvOverlay*>{&book, &closeButton, &nextButton, &previousButton,
                                                                  &tasksButton, &taskTab, &checkMark}) {
        UnloadImage(overlay);
    }
    for (LDvSprite& sketch : sketches) UnloadImage(&sketch);
}

void FieldGuide::Prepare(const LDvList<LDvString>& taskTexts) {
    tasks = taskTexts;
    leftPage = 0;
}

void FieldGuide::LoadPages() {
    LDvIniFile table;
    LoadDataTable(table, kFieldGuideTable, "Field guide");
    pages = BuildGuidePages(table, [](const LDvString& key) { return ProgressFlag(kPagesSection, key); });
}

bool FieldGuide::TaskDone(const LDvString& task) { return ProgressFlag(kTasksSection, task); }

void FieldGuide::OnEnter() {
    LoadPages();
    SetProgressFlag(kTipsSection, kSeenTipKey);
    DimIn(game.DialogDimmer());
    font = &game.Font(kGuideFont);
    book.SetCentre(kCanvasCentreX, kCanvasCentreY);
    nextButton.SetPosition(kNextAt.x, kNextAt.y);
    previousButton.SetPosition(kPreviousAt.x, kPreviousAt.y);
    closeButton.SetPosition(kCloseAt.x, kCloseAt.y);
    tasksButton.SetPosition(kTasksAt.x, kTasksAt.y);
    taskTab.SetPosition(kTasksAt.x, kTasksAt.y);
    closeButton.enabled = tasksButton.enabled = true;
    EnableButtons();
}

void FieldGuide::OnLeave(LDvState*) { DimOut(game.DialogDimmer()); }

void FieldGuide::OnButton(LDvOverlay* button) {
    if (button == &nextButton) {
        if (leftPage < pages.Count() - 2) TurnTo(leftPage + 2);
    } else if (button == &previousButton) {
        if (leftPage > 0) TurnTo(leftPage - 2);
    } else if (button == &tasksButton) {
        if (leftPage != 0) TurnTo(0);
    } else if (button == &closeButton) {
        EndModal();
    }
}

// Every turn ends by enabling the buttons for the spread it reached; the tasks tab too, or Next
// would stay disabled after a jump back from the last spread.
void FieldGuide::TurnTo(int32_t page) {
    leftPage = page;
    PlayGameSound(sounds::kPageTurn);
    EnableButtons();
}

void FieldGuide::EnableButtons() {
    SetUsable(nextButton, !OnLastSpread());
    SetUsable(previousButton, leftPage > 0);
}

void FieldGuide::ToggleOverlays() {
    ToggleOverlayList({&book, &pageDrawer, &nextButton, &previousButton, &closeButton, &tasksButton}, this);
}
