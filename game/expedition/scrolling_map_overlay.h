#pragma once
// The base of everything placed on the island map: an overlay positioned in map coordinates (the
// pixels of the map picture) and drawn shifted by the map's view, so it scrolls with the map.
// screen position = map position + view offset + drag offset.
//
// The view belongs to the map screen, which owns every map object and outlives them.
#include <cstdint>

#include "framework/ui/ldv_overlay.h"

// Where the map is seen from: the view offset, and the drag offset while the player drags it.
struct MapView {
    int32_t viewX = 0, viewY = 0;
    int32_t dragX = 0, dragY = 0;

    int32_t OffsetX() const { return viewX + dragX; }
    int32_t OffsetY() const { return viewY + dragY; }
};

class ScrollingMapOverlay : public LDvOverlay {
public:
    void SetView(const MapView* mapView) { view = mapView; }

    // Map point to canvas point, through the current view (unshifted without a view).
    int32_t ScreenX(int32_t mapX) const { return view != nullptr ? mapX + view->OffsetX() : mapX; }
    int32_t ScreenY(int32_t mapY) const { return view != nullptr ? mapY + view->OffsetY() : mapY; }
    LDvPoint ScreenPoint(LDvPoint map) const { return {ScreenX(map.x), ScreenY(map.y)}; }

protected:
    const MapView* view = nullptr;
};
