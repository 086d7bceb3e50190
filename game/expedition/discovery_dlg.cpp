#include "game/expedition/discovery_dlg.h"

#include "game/app/game_view.h"
#include "game/assets/gui_pictures.h"

const LDvOverlay& DiscoveryDlg::TitlePicture() const { return game.Gui().newDiscoveryText; }
