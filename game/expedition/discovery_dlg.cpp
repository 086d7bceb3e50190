#include "game/expedition/discovery_dlg.h"

#include "game/match3.h"

const LDvOverlay& DiscoveryDlg::TitlePicture() const { return match3.gui.newDiscoveryText; }
