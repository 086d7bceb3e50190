#include "tests/game/spine_fixtures.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "framework/core/folders.h"
#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"
#include "framework/ui/ldv_texture_atlas.h"
#include "framework/ui/overlay_images.h"
#include "game/cinematics/spine_pose.h"
#include "tests/support/test_log.h"

Rig::Rig(const std::string& skeletonText, const std::string& animationText) {
    LoadSkeleton(skeletonText, "test-skeleton.json", skeleton);
    LoadAnimation(animationText, "test-animation.json", skeleton, animation);
}

void Rig::At(float time, bool looping) { ApplyAnimation(animation, skeleton, time, looping); }

SpineBone& Rig::Bone(const std::string& name) {
    static SpineBone missing;
    SpineBone* bone = skeleton.BoneAt(skeleton.FindBone(name));
    return bone ? *bone : missing;
}

SpineSlot& Rig::Slot(const std::string& name) {
    static SpineSlot missing;
    SpineSlot* slot = skeleton.SlotAt(skeleton.FindSlot(name));
    return slot ? *slot : missing;
}

SpineWorld::SpineWorld(const std::string& dataRoot) : xdg("XDG_DATA_HOME", save.path()) {
    FrameContext& frame = Frame();
    frame.rootDirOverride = dataRoot.empty() ? data.path() : dataRoot;
    frame.imageFolder = "img";
    frame.imageOverrideFolder.clear();
    StartTestGameLog();
}

SpineWorld::~SpineWorld() {
    FrameContext& frame = Frame();
    frame.loggingEnabled = false;
    frame.quitPending = false;
    frame.rootDirOverride.clear();
    frame.imageFolder = "pictures";
}

std::string SpineWorld::log() const {
    std::ifstream in(GetSaveFolder() + "log.txt", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

namespace {

uint32_t PixelOf(uint32_t rgba) {
    const uint8_t bytes[4] = {static_cast<uint8_t>(rgba >> 24), static_cast<uint8_t>(rgba >> 16),
                              static_cast<uint8_t>(rgba >> 8), static_cast<uint8_t>(rgba)};
    uint32_t pixel = 0;
    std::memcpy(&pixel, bytes, 4);
    return pixel;
}

}  // namespace

void AddPicture(LDvTextureAtlas& bundle, const std::string& shortName, int width, int height, uint32_t left,
                uint32_t right) {
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) pixels[static_cast<size_t>(y) * width + x] = PixelOf(x < width / 2 ? left : right);
    }
    LoadFromPixels(bundle.AddItem("test/" + shortName + ".png"), pixels.data(), width, height);
}

PixelWindow::PixelWindow(int windowWidth, int windowHeight) : width(windowWidth), height(windowHeight) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    ok = window.createGameWindow(width, height, 32, true, "skeleton test");
}

void PixelWindow::Begin() { window.flipBackBuffer(false); }

void PixelWindow::Grab() {
    int w = 0, h = 0;
    if (!window.readPixels(pixels, w, h) || w != width || h != height) pixels.clear();
}

Rgb PixelWindow::At(int x, int y) const {
    if (pixels.empty() || x < 0 || y < 0 || x >= width || y >= height) return Rgb{-1, -1, -1};
    return ColourAt(pixels, width, x, y);
}
