#pragma once
// One landmass of the island map: a piece of land with the glow it blinks with while it is
// revealed. A landmass stays hidden until the player's expeditions reveal it; its reveal blinks the
// glow, then fades the land in under two turning flares, after which it is shown plainly.
//
// The map screen owns every landmass for the whole run; the pictures are loaded while the map is
// entered and released when it is left. The flare picture is the game's, borrowed.
#include <cstdint>

#include "framework/core/ldv_string.h"
#include "game/expedition/scrolling_map_overlay.h"

class Landmass : public ScrollingMapOverlay {
public:
    Landmass() { hidden = true; }

    static constexpr int32_t kBlinkTicks = 120;
    static constexpr int32_t kFadeTicks = 120;
    static constexpr int32_t kBlinkToggleTicks = 20;   // the glow turns on or off this often

    void LoadPictures();                  // "states/map/<name>.png" and "<name>_h.png"
    void ReleasePictures();

    void HideLand();
    void ShowAtOnce();
    void StartReveal();                   // blink, then fade; hidden until it ends
    bool Animating() const { return blinkCounter > 0 || fadeCounter > 0; }
    bool Visible() const { return !hidden; }

    LDvPoint Centre() const { return {position.x + centreOffset.x, position.y + centreOffset.y}; }
    LDvRect MapBounds();                  // the land picture on the map, right and bottom inside it

    void Step();
    void DrawLand(LDvSprite* flare);

    LDvSprite land;
    LDvSprite highlight;
    int32_t fadeCounter = 0;              // steps left of the fade-in
    int32_t reveal = 0;                   // "REVEAL": the expedition count that shows it
    int32_t highlightOpacity = 0;         // percent
    int32_t landOpacity = 100;            // percent
    int32_t blinkCounter = 0;             // steps left of the blinking glow
    float flareAngle = 0.0f;              // degrees, one flare turned each way
    float flareScale = 1.0f;
    float flareOpacity = 0.0f;            // percent
    LDvPoint position{-1, -1};            // "POS": top-left of the land picture
    LDvPoint highlightPosition{-1, -1};   // "HPOS": top-left of the glow
    LDvPoint centreOffset{-1, -1};        // "CPOS": the middle of the land, from POS
    LDvString name;

private:
    void StepBlink();
    void StepFade();
    void DrawFlares(LDvSprite& flare);
};
