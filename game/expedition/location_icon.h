#pragma once
// A picture on the island map for something found there (a wreck, a nest, a temple). Icons drawn
// "PRE" lie under the location markers, the others over them. An icon marked "HIDE" waits for the
// discovery that names it; the first time it shows, it fades in under a shrinking sparkle.
//
// The map screen owns every icon for the whole run; the picture is loaded while the map is entered
// and released when it is left. The sparkle plays the game's light-flare sheet, borrowed.
#include <cstdint>
#include <memory>

#include "framework/core/ldv_string.h"
#include "framework/effects/tl_player.h"
#include "game/expedition/scrolling_map_overlay.h"

class LocationIcon : public ScrollingMapOverlay {
public:
    static constexpr int32_t kAppearTicks = 120;
    static constexpr int32_t kSparkleTicksPerFrame = 4;

    LocationIcon() { hidden = true; }

    void LoadPicture();                   // "states/map/<name>_ico.png"
    void ReleasePicture();

    void HideIcon();
    void ShowAtOnce();
    // Fades the icon in under the sparkle of `sparkleSheet`, which must outlive the appearance.
    void Appear(LDvSprite& sparkleSheet);
    bool Appearing() const { return appearCounter > 0; }

    void Step();
    void DrawIcon();

    LDvSprite sprite;
    int32_t appearCounter = 0;            // steps left of the appearance
    int32_t opacityPercent = 100;
    uint8_t alwaysVisible = 1;            // 0 for "HIDE" icons, which wait for their discovery
    uint8_t underMarkers = 0;             // "PRE": drawn under the location markers
    LDvPoint position;                    // top-left on the map
    LDvPoint sparkleOffset;               // from the position
    std::unique_ptr<TLPlayer> sparkle;    // only while appearing
    LDvString landmassName;
    LDvString iconName;
};
