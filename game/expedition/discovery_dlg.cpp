#include "game/expedition/discovery_dlg.h"

#include "game/app/match3.h"

const LDvOverlay& DiscoveryDlg::TitlePicture() const { return match3.gui.newDiscoveryText; }
