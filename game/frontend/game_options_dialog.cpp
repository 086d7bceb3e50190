#include "game/frontend/game_options_dialog.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "engine/k_system.h"
#include "engine/k_window.h"
#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"
#include "framework/core/state_control.h"
#include "framework/data/ldv_ini_file.h"
#include "framework/data/localization.h"
#include "framework/data/player_profiles.h"
#include "framework/data/settings.h"
#include "framework/ui/ldv_wave_group.h"
#include "framework/ui/overlay_images.h"
#include "game/app/game_view.h"
#include "game/assets/gui_pictures.h"
#include "game/widgets/dialog_backdrop.h"

namespace {

// Above the dialog dimmer (layer 4), below the message dimmer (layer 7).
constexpr int kDialogLayer = 5;

// The panel "GUI/back_options.png" has its labels painted in; the controls sit beside them.
constexpr int kPanelX = 475;
constexpr int kPanelY = 70;
constexpr int kPanelWidth = 550;
constexpr int kBarX = kPanelX + 210;
constexpr int kSliderRowY[] = {kPanelY + 160, kPanelY + 215, kPanelY + 270};  // middle of each bar
constexpr int kBoxX = kPanelX + 62;
constexpr int kBoxAboveBaseline = 22;
constexpr int kFullScreenBaseline = kPanelY + 338;
constexpr int kHideCursorsBaseline = kPanelY + 383;
constexpr int kShowTipsBaseline = kPanelY + 428;
constexpr int kButtonTop = kPanelY + 450;
constexpr int kButtonGap = 16;

constexpr int kToggleKind = 3;      // a toggle that shows only its normal and pressed frames
constexpr int kMaxVolume = 100;
constexpr int kCloseText = 6;

constexpr const char* kFullScreenKey = "FULL_SCREEN";
constexpr const char* kHideCustomCursorsKey = "HIDE_CUSTOM_CURSORS";
constexpr const char* kShowTipsKey = "SHOW_TIPS";

// Windowed mode needs a desktop larger than 800 x 600.
constexpr int kMinWindowedDesktopWidth = 801;
constexpr int kMinWindowedDesktopHeight = 601;
constexpr const char* kDesktopWarningCaption = "Warning : Desktop Resolution";
constexpr const char* kDesktopWarningText =
    "Note: Your desktop resolution would be too small to display the window. Staying full-screen.";

constexpr const char* kVolumeKeys[] = {kMusicVolumeKey, kSfxVolumeKey, kEnvVolumeKey};

}  // namespace

GameOptionsDialog::GameOptionsDialog(GameView& view) : desktopSize(getDesktopSize), game(view) {
    std::vector<LDvOverlay*> all = {&back, &fullScreenBox, &hideCursorsBox, &showTipsBox,
                                    &closeButton, &leaveButton, &quitButton};
    for (int i = 0; i < kSliderCount; ++i) {
        all.push_back(&bars[i]);
        all.push_back(&knobs[i]);
    }
    for (LDvOverlay* overlay : all) overlay->layer = kDialogLayer;
    for (LDvButton* box : {&fullScreenBox, &hideCursorsBox, &showTipsBox}) box->kind = kToggleKind;
    for (LDvButton* button : std::initializer_list<LDvButton*>{&fullScreenBox, &hideCursorsBox, &showTipsBox,
                                                               &closeButton, &leaveButton, &quitButton}) {
        button->enabled = true;
    }
}

LDvWaveGroup& GameOptionsDialog::Group(int slider) {
    if (slider == kMusicSlider) return game.Music();
    return slider == kEffectsSlider ? static_cast<LDvWaveGroup&>(game.Effects()) : game.Ambience();
}

void GameOptionsDialog::OnEnter() {
    leaveChosen = quitChosen = false;
    SharePictures();
    PlaceControls();
    const KWindow* window = Frame().window.get();
    fullScreenWanted = window != nullptr && window->isFullScreen();
    SetBox(fullScreenBox, fullScreenWanted);
    SetBox(hideCursorsBox, Frame().settings != nullptr &&
                               Frame().settings->GetString(nullptr, kHideCustomCursorsKey, "") == "true");
    SetBox(showTipsBox, GetPlayerBool(nullptr, kShowTipsKey, true));
    for (int i = 0; i < kSliderCount; ++i) {
        knobs[i].value = std::clamp(Group(i).volume, 0, kMaxVolume);
        knobs[i].PlaceFromValue();
    }
    closeButton.text = GetText(kCloseText);
    leaveButton.text = leaveLabel;
    quitButton.text = quitLabel;
    PlaceButtons();
    DimIn(game.DialogDimmer());
}

void GameOptionsDialog::OnLeave(LDvState*) { DimOut(game.DialogDimmer()); }

void GameOptionsDialog::SharePictures() {
    SharePicture(&back, &game.Gui().backOptions);
    for (int i = 0; i < kSliderCount; ++i) {
        SharePicture(&bars[i], &game.Gui().sliderBar);
        SharePicture(&knobs[i], &game.Gui().sliderKnob);
    }
    for (LDvButton* box : {&fullScreenBox, &hideCursorsBox, &showTipsBox}) SharePicture(box, &game.Gui().checkbox);
}

void GameOptionsDialog::PlaceControls() {
    back.SetPosition(kPanelX, kPanelY);
    for (int i = 0; i < kSliderCount; ++i) {
        bars[i].SetPosition(kBarX, kSliderRowY[i] - bars[i].GetFrameHeight() / 2);
        knobs[i].trackStart = kBarX;
        knobs[i].trackEnd = kBarX + bars[i].GetFrameWidth();
        knobs[i].fixedCoordinate = kSliderRowY[i] - knobs[i].GetFrameHeight() / 2;
        knobs[i].vertical = false;
        knobs[i].dragging = false;
    }
    fullScreenBox.SetPosition(kBoxX, kFullScreenBaseline - kBoxAboveBaseline);
    hideCursorsBox.SetPosition(kBoxX, kHideCursorsBaseline - kBoxAboveBaseline);
    showTipsBox.SetPosition(kBoxX, kShowTipsBaseline - kBoxAboveBaseline);
}

// The shown buttons stand in one row, centred under the panel's controls.
void GameOptionsDialog::PlaceButtons() {
    std::vector<ButtonBase*> row;
    if (showLeaveButton) row.push_back(&leaveButton);
    if (showQuitButton) row.push_back(&quitButton);
    row.push_back(&closeButton);
    int total = kButtonGap * (static_cast<int>(row.size()) - 1);
    for (ButtonBase* button : row) total += button->TotalWidth();
    int left = kPanelX + kPanelWidth / 2 - total / 2;
    for (ButtonBase* button : row) {
        button->SetPosition(left, kButtonTop);
        left += button->TotalWidth() + kButtonGap;
    }
}

void GameOptionsDialog::SetBox(LDvButton& box, bool ticked) {
    box.pressed = ticked;
    box.SetFrame(ticked ? kButtonFramePressed : kButtonFrameNormal);
}

void GameOptionsDialog::ToggleOverlays() {
    ToggleOverlayList({&back, &bars[kMusicSlider], &knobs[kMusicSlider], &bars[kEffectsSlider],
                       &knobs[kEffectsSlider], &bars[kAmbienceSlider], &knobs[kAmbienceSlider], &fullScreenBox,
                       &hideCursorsBox, &showTipsBox, &closeButton},
                      this);
    // A caller's button that is not asked for is never registered, so it is neither drawn nor clicked.
    if (leaveButton.registered || showLeaveButton) ToggleOverlayList({&leaveButton}, this);
    if (quitButton.registered || showQuitButton) ToggleOverlayList({&quitButton}, this);
}

void GameOptionsDialog::OnButton(LDvOverlay* button) {
    if (button == &fullScreenBox) fullScreenWanted = fullScreenBox.pressed;
    else if (button == &hideCursorsBox) UseSystemPointer(hideCursorsBox.pressed);
    else if (button == &showTipsBox) SetPlayerBool(nullptr, kShowTipsKey, showTipsBox.pressed);
    else if (button == &closeButton) Close(false, false);
    else if (button == &leaveButton) Close(true, false);
    else if (button == &quitButton) Close(false, true);
}

// The game's one cursor choice reads the stored setting, so the setting is written first. The
// engine shows or hides its pointer outright rather than counting, so however often it was shown
// before, clearing the box hides it.
void GameOptionsDialog::UseSystemPointer(bool systemPointer) {
    SetSettingBool(kHideCustomCursorsKey, systemPointer);
    game.ChooseCursor();
}

void GameOptionsDialog::OnDragStart(int x, int y) {
    for (LDvSliderKnob& knob : knobs) knob.BeginDrag(x, y);
}

void GameOptionsDialog::OnDrag(int x, int y, int dxFromStart, int dyFromStart, int dxFromLast, int dyFromLast) {
    for (LDvSliderKnob& knob : knobs) knob.DragTo(x, y, dxFromStart, dyFromStart, dxFromLast, dyFromLast);
}

void GameOptionsDialog::OnDragEnd(int x, int y) {
    for (LDvSliderKnob& knob : knobs) knob.EndDrag(x, y);
}

void GameOptionsDialog::Close(bool leave, bool quit) {
    ApplyVolumes();
    SetSettingBool(kFullScreenKey, fullScreenWanted);
    if (leave) leaveChosen = true;
    if (quit) quitChosen = true;
    ApplyWindowMode();
    EndModal();
}

// Each group takes its slider, the ambience's second volume the effects slider. The settings are
// written from the groups once they hold the new volumes: written before, they would keep the
// volumes the dialog opened with and the next start would lose the player's choice.
void GameOptionsDialog::ApplyVolumes() {
    for (int i = 0; i < kSliderCount; ++i) Group(i).volume = Group(i).settingVolume = knobs[i].value;
    Group(kAmbienceSlider).settingVolume = knobs[kEffectsSlider].value;
    for (int i = 0; i < kSliderCount; ++i) SetVolumeSetting(kVolumeKeys[i], Group(i).volume);
    for (int i = 0; i < kSliderCount; ++i) ApplyGroupVolume(Group(i));
}

void GameOptionsDialog::ApplyWindowMode() {
    KWindow* window = Frame().window.get();
    if (window == nullptr) return;
    const bool fullScreen = window->isFullScreen();
    if (fullScreenWanted && !fullScreen) {
        window->toggleFullScreen(true);
        return;
    }
    if (fullScreenWanted || !fullScreen) return;
    int width = 0, height = 0;
    const bool known = desktopSize != nullptr && desktopSize(width, height);
    if (known && (width < kMinWindowedDesktopWidth || height < kMinWindowedDesktopHeight)) {
        ShowMessageBox(kDesktopWarningCaption, kDesktopWarningText);
        // The message box leaves full screen to be seen; the game goes back, as the warning says.
        if (!window->isFullScreen()) window->toggleFullScreen(true);
        return;
    }
    window->toggleFullScreen(false);
}
