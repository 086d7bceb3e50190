// Where everything of the play screen stands and what it shows. The wooden bar along the bottom
// carries the wind god in its stone socket, the bonus count beside it, the timer in its slot and
// the hourglass; the level and resources boards hang from the top edge beside the menu sign, as
// they do in the camp; the monkey sits to the right of the board on the bar.
#include "game/match3/playing.h"

#include "framework/data/localization.h"
#include "framework/ui/cursor_sprite.h"
#include "framework/ui/overlay_images.h"
#include "framework/ui/overlay_registry.h"
#include "game/app/game_view.h"
#include "game/assets/gui_pictures.h"
#include "game/match3/aimer_cursor.h"
#include "game/match3/board.h"
#include "game/match3/hourglass.h"
#include "game/match3/match3_images.h"
#include "game/match3/tornado.h"
#include "game/match3/wind_bonus.h"
#include "game/match3/wind_god_button.h"

namespace {

constexpr int kBackLayer = 0;
constexpr int kPlayLayer = 1;
constexpr int kEndLayer = 2;
constexpr int kTopLayer = 3;               // still below the dialog dimmer on 4
constexpr int kPauseLayer = 10;            // over every dialog and tip (up to 9), under the fade and cursor

constexpr int kBarX = 0;
constexpr int kBarY = 790;
constexpr int kTimerSlotLeft = 1000;
constexpr int kTimerSlotRight = 1150;
constexpr int kTimerSlotTop = 830;
constexpr int kTimerSlotBottom = 876;
constexpr int kBonusPlateX = 604;          // right of the wind god's socket
constexpr int kBonusPlateY = 806;
constexpr int kFriendX = 1428;             // the frame's top-left; the monkey fills its lower right
constexpr int kFriendY = 640;
constexpr int kEditNotifierX = 1198;
constexpr int kEditNotifierY = 24;
constexpr int kEditInstructionsX = 1198;
constexpr int kEditInstructionsY = 84;

// The hanging signs drop in from above the screen and bounce, as in the camp.

constexpr int kEndButtonsTop = 600;        // below the level-end panels
constexpr int kEndButtonsGap = 40;
constexpr int kCanvasCentreX = 800;

constexpr int kTextRestartLevel = 69;
constexpr int kTextBackToCamp = 70;
constexpr int kTextContinue = 10;

void ShowButton(LDvButton& button, bool shown) {
    button.hidden = !shown;
    button.enabled = shown;
    if (!shown) button.pressed = button.armed = false;
}

}  // namespace

void Playing::createOverlays() {
    Match3Images& bank = game.BoardArt();
    board = std::make_unique<Board>(bank);
    tornado = std::make_unique<Tornado>(bank.tornadoSpiral);
    wind = std::make_unique<WindBonus>(*board, *tornado, [this](bool aiming) { setAimerShown(aiming); });
    hourglass = std::make_unique<Hourglass>(bank.topSand, bank.bottomSand, bank.sandDrip);
    windButton = std::make_unique<WindGodButton>(bank.godOfWindBonus, bank.godOfWindGreyed);
    aimer = std::make_unique<AimerCursor>(bank.godOfWindAimer);
    board->onAfterMove = [this] { afterMove(); };

    const std::pair<LDvOverlay*, int> drawn[] = {
        {&background, kBackLayer},   {board.get(), kPlayLayer},     {tornado.get(), kPlayLayer},
        {&uiBar, kPlayLayer},        {hourglass.get(), kPlayLayer}, {&timerDigits, kPlayLayer},
        {windButton.get(), kPlayLayer}, {&windFlash, kPlayLayer},   {&bonusDrawer, kPlayLayer},
        {&friendCharacter, kPlayLayer}, {&levelBoard, kPlayLayer},  {&scoreBoard, kPlayLayer},
        {&menuButton, kPlayLayer},   {&startText, kPlayLayer},      {&editNotifier, kPlayLayer},
        {&editInstructions, kPlayLayer}, {&levelEnd, kEndLayer},    {&retryButton, kEndLayer},
        {&leaveButton, kEndLayer},   {&continueButton, kEndLayer},  {aimer.get(), kTopLayer},
        {&edit.message, kTopLayer}, {&pauseCard, kPauseLayer},
    };
    overlays.clear();
    for (const auto& [overlay, layer] : drawn) {
        SetLayer(overlay, layer);
        overlays.push_back(overlay);
    }
    overlaysCreated = true;
}

void Playing::loadPictures() {
    Match3Images& bank = game.BoardArt();
    GuiPictures& gui = game.Gui();
    background.load();
    SharePicture(&uiBar, &bank.uiBar);
    timerDigits.setSheet(gui.numbers);
    bonusDrawer.setPictures(bank.bonusCountBack, gui.numbers);
    friendCharacter.load();
    levelBoard.setPictures(gui.levelBoard, gui.numbers);
    scoreBoard.setPictures(gui.scoreBoard, gui.numbers);
    SharePicture(&menuButton, &gui.btnMenu);
    menuButton.kind = kButtonKindGlow;
    LoadImage(&editNotifier, "states/playing/edit_notifier.png");
    LoadImage(&editInstructions, "states/playing/edit_inst.png");
    levelEnd.setDigitSheet(gui.numbers);
    pauseCard.load();
}

void Playing::layOutPanels() {
    uiBar.SetPosition(kBarX, kBarY);
    const int timerLeft = (kTimerSlotLeft + kTimerSlotRight - timerDigits.GetWidth()) / 2;
    const int timerTop = (kTimerSlotTop + kTimerSlotBottom - timerDigits.frameHeight) / 2;
    timerDigits.SetPosition(timerLeft, timerTop);
    bonusDrawer.SetPosition(kBonusPlateX, kBonusPlateY);
    friendCharacter.SetPosition(kFriendX, kFriendY);
    editNotifier.SetPosition(kEditNotifierX, kEditNotifierY);
    editInstructions.SetPosition(kEditInstructionsX, kEditInstructionsY);
    boards.SetUp(menuButton, levelBoard, scoreBoard);
    retryButton.text = GetText(kTextRestartLevel);
    leaveButton.text = GetText(kTextBackToCamp);
    continueButton.text = GetText(kTextContinue);
    hideEndButtons();
    bonusDrawer.hidden = windButton->hidden = true;
    aimer->hidden = pauseCard.hidden = true;
    editNotifier.hidden = editInstructions.hidden = true;
}

void Playing::dropPanels() {
    boards.Drop();
}

// The button widths follow their texts, which are known only once the fonts are in.
void Playing::layOutEndButtons() {
    const int continueWidth = continueButton.TotalWidth();
    continueButton.SetPosition(kCanvasCentreX - continueWidth / 2, kEndButtonsTop);
    const int retryWidth = retryButton.TotalWidth();
    retryButton.SetPosition(kCanvasCentreX - kEndButtonsGap / 2 - retryWidth, kEndButtonsTop);
    leaveButton.SetPosition(kCanvasCentreX + kEndButtonsGap / 2, kEndButtonsTop);
}

void Playing::showEndButtons() {
    if (!continueButton.hidden || !retryButton.hidden) return;
    layOutEndButtons();
    const bool won = levelEnd.isWin();
    ShowButton(continueButton, won);
    ShowButton(retryButton, !won);
    ShowButton(leaveButton, !won);
}

void Playing::hideEndButtons() {
    ShowButton(continueButton, false);
    ShowButton(retryButton, false);
    ShowButton(leaveButton, false);
}

// While aiming, the aimer replaces the game's own cursor; the system pointer, when the player
// chose it, stays as it is.
void Playing::setAimerShown(bool aiming) {
    if (aimer) aimer->hidden = !aiming;
    if (!game.Cursor().systemCursorMode) game.Cursor().SetCursorName(aiming ? "HIDE_CURSOR" : "ARROW");
}
