#pragma once
// Everything on screen is an overlay: a position, an optional shared picture and a Draw. Overlays
// are registered in the 64-layer registry (overlay_registry.h) while their owning state is current.
// An overlay holds one reference to its picture; the picture dies with its last reference.
#include <cstdint>

#include "engine/k_graphic.h"
#include "framework/core/ldv_string.h"
#include "framework/core/smart_pointer.h"

class LDvSprite;

// A rectangle whose right and bottom are the last pixels inside it.
struct LDvRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

constexpr int32_t kNoKind = 9999;

class LDvOverlay {
public:
    LDvOverlay() = default;
    LDvOverlay(const LDvOverlay&) = delete;
    LDvOverlay& operator=(const LDvOverlay&) = delete;

    virtual void SetPosition(int x, int y);
    virtual void MoveBy(int dx, int dy);
    virtual void SetFrame(int n);
    virtual void ShowFrame(int n);
    virtual void NextFrame();
    virtual void PrevFrame();
    virtual int GetHeight();
    virtual int GetWidth();
    virtual int GetFrameWidth();
    virtual int GetFrameHeight();
    virtual LDvRect GetBounds();
    virtual void Hide();
    virtual void Show();
    virtual void Update();
    virtual void OnTick(int tickCount);
    virtual void DrawAt(int x, int y);
    virtual void DrawAtF(float x, float y);
    virtual void Draw();
    virtual ~LDvOverlay();  // unregisters the overlay and drops its picture reference

    KGraphic* Picture() const { return picture ? picture.get() : nullptr; }

    // Places the overlay so that its frame is centred on (cx, cy), halving the frame size in integers.
    void SetCentre(int cx, int cy);
    void SetCentre(float cx, float cy);
    // Stores the tint and gives it to the picture. The tint belongs to the shared picture, so every
    // overlay showing the same picture is tinted with it.
    void SetColor(float r, float g, float b, float a);

    SMART_POINTER<KGraphic> picture;   // none until loaded or shared
    float x = 0.0f;                    // top-left on the 1600 x 900 canvas
    float y = 0.0f;
    float opacity = 1.0f;
    float zoom = 1.0f;
    float angle = 0.0f;                // degrees
    float colorR = 0.0f, colorG = 0.0f, colorB = 0.0f, colorA = 0.0f;  // tint last given with SetColor
    bool hasFrames = false;
    bool registered = false;
    bool hidden = false;
    bool enabled = false;
    bool loaded = false;
    bool flipX = false;
    bool flipY = false;
    bool cropFromFarSide = false;
    int32_t blendMode = 0;             // 0 normal alpha, 1 additive, 2 multiply
    int32_t frameWidth = 0;            // the picture size when it has no frames
    int32_t frameHeight = 0;
    int32_t frameCount = 0;
    int32_t columns = 0;
    int32_t rows = 0;
    int32_t percentWidthShown = 100;
    int32_t percentHeightShown = 100;
    int32_t currentFrame = 0;
    int32_t layer = 0;                 // 0..63
    int32_t tickCount = 0;
    int32_t kind = kNoKind;            // buttons keep their button kind here
    int32_t regionX = 0, regionY = 0, regionWidth = 0, regionHeight = 0;
    int32_t regionRotated = 0;
    LDvSprite* regionPage = nullptr;   // the sprite whose picture holds the region (not owned)
    bool drawnAsRegion = false;
    LDvString filePath;
    LDvString shortName;               // file name without folder and extension
};

// A picture overlay with a pause switch and a name; the game's sprites derive from it.
class LDvSprite : public LDvOverlay {
public:
    void Update() override;            // does nothing while paused

    bool paused = false;
    LDvString name;
};
