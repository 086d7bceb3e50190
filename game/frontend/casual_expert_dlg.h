#pragma once
// The question asked before the first story game: play casually or as an expert. Built on the
// caller's stack for one modal run; afterwards the caller reads casualChosen (false when the run
// was aborted). The frame, buttons and texts are the game's CasualExpertParts, shared for the run.
#include "framework/core/ldv_state.h"
#include "framework/ui/ldv_resizing_text_overlay.h"
#include "framework/ui/ldv_text_rect.h"
#include "game/widgets/button_base.h"
#include "game/widgets/dialog_base.h"

class GameView;

struct CasualExpertParts {
    DialogBase frame;
    ButtonBase casualButton;
    ButtonBase expertButton;
    LDvResizingTextOverlay heading;
    LDvTextRect casualText;
    LDvTextRect expertText;
};

class CasualExpertDlg : public LDvDialog {
public:
    static constexpr int32_t kWideButtonText = 200;    // minimum button text width while it shows
    static constexpr int32_t kNormalButtonText = 80;

    explicit CasualExpertDlg(GameView& game);

    void OnEnter() override;
    void OnLeave(LDvState* next) override;
    void OnButton(LDvOverlay* button) override;
    void ToggleOverlays() override;

    bool casualChosen = false;

private:
    void PlaceTexts(int frameX, int frameY);

    GameView& game;
    CasualExpertParts& parts;
};
