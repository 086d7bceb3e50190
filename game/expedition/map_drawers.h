#pragma once
// The overlays that step and draw the island map's objects, one list each, in the map's drawing
// order: the landmasses, the icons under the markers, the markers, the icons over them. The lists
// and the pictures belong to the map screen, which owns these drawers too and outlives them.
#include <memory>

#include "framework/core/ldv_list.h"
#include "framework/ui/ldv_overlay.h"

class Landmass;
class LocationIcon;
class Placemarker;
struct MarkerArt;

class DrawLandmasses : public LDvOverlay {
public:
    void OnTick(int tickCount) override;
    void Draw() override;

    LDvList<std::unique_ptr<Landmass>>* landmasses = nullptr;
    LDvSprite* flare = nullptr;           // the game's "fx/whiteflower.png"
};

// The icons drawn under the markers ("PRE"); DrawLocationPostIcons draws the others.
class DrawLocationIcons : public LDvOverlay {
public:
    void OnTick(int tickCount) override;
    void Draw() override;

    LDvList<std::unique_ptr<LocationIcon>>* icons = nullptr;

protected:
    bool underMarkers = true;
};

class DrawLocationPostIcons : public DrawLocationIcons {
public:
    DrawLocationPostIcons() { underMarkers = false; }
};

// Every marker, through one overlay that is hidden outside expeditions.
class DrawPlacemarkers : public LDvOverlay {
public:
    DrawPlacemarkers() { hidden = true; }

    void OnTick(int tickCount) override;
    void Draw() override;

    LDvList<std::unique_ptr<Placemarker>>* markers = nullptr;
    MarkerArt* art = nullptr;
};
