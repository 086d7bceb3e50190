#include "game/expedition/icon_drawer.h"

void IconDrawer::Draw() {
    if (!icon.loaded) return;
    icon.SetCentre(placeX + offsetX, placeY + offsetY);
    icon.Draw();
}
