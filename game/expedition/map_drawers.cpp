#include "game/expedition/map_drawers.h"

#include "game/expedition/landmass.h"
#include "game/expedition/location_icon.h"
#include "game/expedition/placemarker.h"

void DrawLandmasses::OnTick(int) {
    if (landmasses == nullptr) return;
    for (auto& landmass : *landmasses) landmass->Step();
}

void DrawLandmasses::Draw() {
    if (landmasses == nullptr) return;
    for (auto& landmass : *landmasses) landmass->DrawLand(flare);
}

// Both icon drawers are stepped, so each steps only its own icons.
void DrawLocationIcons::OnTick(int) {
    if (icons == nullptr) return;
    for (auto& icon : *icons) {
        if ((icon->underMarkers != 0) == underMarkers) icon->Step();
    }
}

void DrawLocationIcons::Draw() {
    if (icons == nullptr) return;
    for (auto& icon : *icons) {
        if ((icon->underMarkers != 0) == underMarkers) icon->DrawIcon();
    }
}

void DrawPlacemarkers::OnTick(int) {
    if (markers == nullptr || art == nullptr) return;
    for (auto& marker : *markers) marker->Step(art->questionMark.frameCount);
}

void DrawPlacemarkers::Draw() {
    if (markers == nullptr || art == nullptr) return;
    for (auto& marker : *markers) marker->DrawMarker(*art);
}
