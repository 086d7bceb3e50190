#include "game/scenes/scene_arrival.h"

#include "framework/data/ldv_ini_file.h"
#include "game/app/game_view.h"
#include "game/expedition/discovery.h"
#include "game/expedition/info_dlg.h"

bool ExploreSceneOf(GameView& game, const LDvString& discoveryId) {
    LDvIniFile table;
    LoadDiscoveryTable(table);
    const LDvString explore = table.GetString(discoveryId.c_str(), "EXPLORE", "");
    if (explore.empty()) return false;
    InfoDlg dialog(game);
    dialog.text.text = explore;
    RunExpeditionDialog(dialog);
    game.FadeToScene(table.GetString(discoveryId.c_str(), "SCENE", ""));
    return true;
}
