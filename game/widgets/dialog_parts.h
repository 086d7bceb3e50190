#pragma once
// The overlays the game's dialogs show and reuse from one showing to the next: frames, buttons,
// pictures and the player list. The game object owns the one set for the whole run; a dialog
// borrows its part while it runs. The copies of GUI pictures keep those pictures alive until the
// game object goes, which is safe after the window closed.
#include "game/expedition/character_dialog.h"
#include "game/expedition/message_dialog.h"
#include "game/frontend/casual_expert_dlg.h"
#include "game/frontend/enter_name_dialog.h"
#include "game/frontend/select_player_dialog.h"
#include "game/frontend/yes_no_dialog.h"

struct DialogParts {
    CharacterDialogParts character;
    MessageDialogParts message;
    SelectPlayerParts selectPlayer;
    EnterNameParts enterName;
    CasualExpertParts casualExpert;
    YesNoParts yesNo;
};
