// Any bytes as skeletal-animation text: the scanner's readers, then a skeleton file and an
// animation file (the input split at its first NUL byte) loaded, posed at several times and
// drawn (without a window: everything up to the engine's blit), must neither crash nor hang.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/ui/ldv_texture_atlas.h"
#include "framework/ui/overlay_images.h"
#include "game/cinematics/json_scanner.h"
#include "game/cinematics/spine_animation.h"
#include "game/cinematics/spine_draw.h"
#include "game/cinematics/spine_pose.h"
#include "game/cinematics/spine_skeleton.h"

namespace {

void Scan(std::string_view text) {
    for (const auto& member : ParseJsonObject(text)) {
        JsonString(member.value, "attachment", "none");
        JsonFloat(member.value, "x", 1.0f);
        JsonFloatList(JsonString(member.value, "curve", ""));
    }
}

// A few pictures under names the seed corpus uses, made once.
LDvTextureAtlas& Bundle() {
    static LDvTextureAtlas bundle;
    if (bundle.items.IsEmpty()) {
        const std::vector<uint32_t> pixels(8 * 4, 0xffffffffu);
        for (const char* name : {"parrot_head", "parrot_head_cheer", "blue", "lose_panel", "star", "coconut"}) {
            LoadFromPixels(bundle.AddItem(std::string("fuzz/") + name + ".png"), pixels.data(), 8, 4);
        }
    }
    return bundle;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    Scan(input);
    const size_t split = input.find('\0');
    const std::string_view skeletonText = input.substr(0, split);
    const std::string_view animationText = split == std::string_view::npos ? input : input.substr(split + 1);

    SpineSkeleton skeleton;
    SpineAnimation animation;
    LoadSkeleton(skeletonText, "fuzz-skeleton.json", skeleton);
    LoadAnimation(animationText, "fuzz-animation.json", skeleton, animation);
    const float d = animation.duration;
    for (const float time : {-1.0f, 0.0f, 0.5f, d * 0.5f, d, d + 1.0f}) {
        ApplyAnimation(animation, skeleton, time, false);
        UpdateWorld(skeleton);
        DrawSkeleton(skeleton, &Bundle());
    }
    ApplyAnimation(animation, skeleton, 1.0e6f, true);
    UpdateWorld(skeleton);
    return 0;
}
