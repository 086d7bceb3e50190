// The course of a level: its start, the timer and its warnings, the tips, the win, the loss and
// leaving the screen.
#include "game/match3/playing.h"

#include "framework/core/black_out.h"
#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"
#include "framework/core/state_control.h"
#include "framework/data/player_profiles.h"
#include "framework/ui/ldv_sound.h"
#include "game/app/game_view.h"
#include "game/assets/game_sounds.h"
#include "game/assets/sound_paths.h"
#include "game/match3/board.h"
#include "game/match3/hourglass.h"
#include "game/match3/match3_images.h"
#include "game/match3/wind_bonus.h"

namespace {


constexpr Playing::TipRequest kInstructionsTip{"SAW_INSTRUCTIONS", 61, {854, 385}};
constexpr Playing::TipRequest kBlueTileTip{"SAW_BLUETILE_HELP", 60, {936, 382}};
constexpr Playing::TipRequest kWindTip{"SAW_WIND_BONUS_TIP", 62, {539, 766}, true, true};
constexpr const char* kCrateTipKey = "SAW_CRATE_BONUS_TIP";
constexpr int kCrateTipText = 63;
constexpr const char* kSpecialArgument = "EXPLODE";

// The special pieces' tips by kind: small crystal, exploding crystal, air coin.
constexpr Playing::TipRequest kSpecialTips[] = {
    {"SAW_SMALL_EXPLODER_HELP", 65, {}, false, false, kSpecialArgument},
    {"SAW_BIG_EXPLODER_HELP", 64, {}, false, false, kSpecialArgument},
    {"SAW_TOKEN_BONUS_TIP", 66, {}, true, true, kSpecialArgument},
};

constexpr int kUrgentPercent = 20;          // the timer glows red from here on (expert mode)

bool TipSeen(const char* key) { return IsPlayerSelected() && GetPlayerInt("TIPS", key, 0) != 0; }

}  // namespace

// The tips are the player's, marked as seen once shown: a test play of the editor offers none.
bool Playing::offer(const TipRequest& tip) {
    return offerTip && !values.levelOver && !editMode ? offerTip(tip) : false;
}

void Playing::closeTip() {
    if (Frame().secondary != nullptr) CloseSecondary();
}

void Playing::levelStartSequence() {
    PlayGameSound(sounds::kLevelStart);
    startMusic();
    if (!offer(kInstructionsTip)) {
        if (wind->count > 0 && !TipSeen(kWindTip.key)) {
            offer(kWindTip);
        } else {
            offerBoardTip();
        }
    }
    startText.show(game.BoardArt().startText, kStartTextX, kStartTextY, kStartTextTicks);
    hourglass->running = true;
}

// The crates first, then the special pieces, the first found of each.
void Playing::offerBoardTip() {
    if (!TipSeen(kCrateTipKey)) {
        for (int col = 0; col < kBoardColumns; ++col) {
            for (int row = 0; row < kBoardRows; ++row) {
                if (!board->isLocked(col, row)) continue;
                offer({kCrateTipKey, kCrateTipText, Board::cellCentre({col, row}), true, true});
                return;
            }
        }
    }
    for (const auto& piece : board->allPieces()) {
        if (!piece->special || piece->specialKind < 0 || piece->specialKind > kSpecialAirCoin) continue;
        TipRequest tip = kSpecialTips[piece->specialKind];
        tip.point = Board::cellCentre({piece->col, piece->row});
        offer(tip);
        return;
    }
}

void Playing::afterMove() { offer(kBlueTileTip); }

void Playing::timerStep() {
    if (!values.startSequenceDone || values.levelOver) return;
    if (values.timeLeft > 0) {
        --values.timeLeft;
        timerDigits.showTime(values.timeLeft);
        hourglass->setFraction(values.timeLeft, values.timeTotal);
        pendingBeeps += warnings.beepsFor(values.timeLeft, values.timeTotal, values.casualMode);
        timerDigits.urgent = !values.casualMode && values.timeLeft > 0 &&
                             static_cast<int64_t>(values.timeLeft) * 100 <=
                                 static_cast<int64_t>(values.timeTotal) * kUrgentPercent;
    }
    if (values.timeLeft == 0) {
        hourglass->running = false;
        timerDigits.urgent = false;
        if (!values.casualMode) loseLevel();
    }
}

// Double warnings sound as two beeps a moment apart rather than one restarted sample.
void Playing::stepBeeps() {
    if (beepGap > 0) {
        --beepGap;
        return;
    }
    if (pendingBeeps <= 0) return;
    --pendingBeeps;
    beepGap = kBeepGapTicks;
    PlayGameSound(sounds::kTimerWarning);
}

void Playing::beginOutro() {
    values.outroStarted = true;
    board->startOutro();
    hourglass->running = false;
    timerDigits.urgent = false;
    const int bonus = timeBonus(values.timeLeft);
    Counter& score = scoreCounter();
    score.target += bonus;
    score.holdTicks = 0;
    if (score.countTicks == 0) score.countTicks = kCountBackTicks;
    levelEnd.showWin(board->uncolourPoints, board->lockPoints + board->comboPoints, bonus,
                     score.target - startResources);
    stopMusic();
    PlayGameSound(sounds::kGoodEndMusic);
    Log("level " + std::to_string(values.levelNumber) + " won with " + std::to_string(values.timeLeft) +
        " steps left");
}

void Playing::loseLevel() {
    if (values.lost) return;
    values.levelOver = values.lost = true;
    closeTip();
    stopMusic();
    board->startOutro();
    levelEnd.showLoss();
    PlayGameSound(sounds::kBadEndMusic);
    Counter& score = scoreCounter();
    score.target = startResources;
    score.countTicks = kCountBackTicks;
    score.holdTicks = 0;
    Log("level " + std::to_string(values.levelNumber) + " lost: the sand ran out");
}

void Playing::leaveLevel(bool won, bool fromEditor) {
    if (values.left) return;
    values.left = true;
    values.levelOver = true;
    closeTip();
    if (won) {
        ++values.levelNumber;
        ++values.setLevel;
        // A won test play is the designer's: the player's progress stays as it was.
        if (IsPlayerSelected() && !fromEditor) {
            SetPlayerInt(nullptr, "CURRENT_LEVEL", values.levelNumber);
            SetPlayerInt(nullptr, "SET_LEVEL", values.setLevel);
            SetPlayerInt(nullptr, "CURRENT_RESOURCES", scoreCounter().target);
        }
    }
    board->clearAll();
    hideEndButtons();
    LDvState* next = fromEditor ? game.LevelEditorState() : nullptr;
    game.ScreenFade().FadeToState(false, next != nullptr ? next : game.StateAfterLevel());
}

void Playing::startMusic() {
    if (LDvSound* track = GameSound(playTrackPath(values.musicIndex))) Play(track, true);
}

void Playing::stopMusic() {
    for (const char* path : {playTrackPath(0), playTrackPath(1), playTrackPath(2), playTrackPath(3), playTrackPath(4)}) {
        if (LDvSound* track = GameSound(path)) track->stopStream();
    }
    StopGameSound(sounds::kGoodEndMusic);
    StopGameSound(sounds::kBadEndMusic);
}
