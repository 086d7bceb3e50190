#pragma once
// Fixtures for the skeletal-animation tests: a skeleton and animation read from text, a data root
// (a temporary folder or the generated data) with the game log captured in a temporary save
// folder, solid-colour bundle pictures, and an off-screen window read back by pixel samples.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/k_window.h"
#include "game/cinematics/spine_animation.h"
#include "game/cinematics/spine_skeleton.h"
#include "tests/support/screen_pixels.h"
#include "tests/support/temp_dir.h"

class LDvTextureAtlas;

// A skeleton and its animation loaded from text, posed at a time with ApplyAnimation.
struct Rig {
    Rig(const std::string& skeletonText, const std::string& animationText);
    void At(float time, bool looping = false);
    SpineBone& Bone(const std::string& name);
    SpineSlot& Slot(const std::string& name);

    SpineSkeleton skeleton;
    SpineAnimation animation;
};

// Points the data root at `dataRoot` (a temporary folder when empty) and the save folder at a
// temporary folder, with logging on, for the life of the object.
class SpineWorld {
public:
    explicit SpineWorld(const std::string& dataRoot = "");
    ~SpineWorld();
    SpineWorld(const SpineWorld&) = delete;
    SpineWorld& operator=(const SpineWorld&) = delete;

    void writeFile(const std::string& relativePath, const std::string& text) const { data.write(relativePath, text); }
    std::string log() const;

private:
    TempDir data;
    TempDir save;
    ScopedEnv xdg;
};

// Adds an item named `shortName` to the bundle holding a width x height picture whose left half is
// `left` and right half `right` (0xRRGGBBAA each).
void AddPicture(LDvTextureAtlas& bundle, const std::string& shortName, int width, int height, uint32_t left,
                uint32_t right);

// A software-rendered window on SDL's dummy driver, cleared by Begin and read back by Grab.
class PixelWindow {
public:
    PixelWindow(int width, int height);
    bool created() const { return ok; }
    void Begin();
    void Grab();
    Rgb At(int x, int y) const;

private:
    KWindow window{K_RENDERER_SOFTWARE};
    bool ok = false;
    int width;
    int height;
    std::vector<uint32_t> pixels;
};
