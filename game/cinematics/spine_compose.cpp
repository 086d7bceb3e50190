#include "game/cinematics/spine_compose.h"

#include <algorithm>
#include <memory>

#include "engine/k_graphic.h"
#include "engine/pixel_canvas.h"
#include "framework/core/game_log.h"
#include "framework/ui/ldv_texture_atlas.h"
#include "game/cinematics/spine_actor.h"
#include "game/cinematics/spine_draw.h"
#include "game/cinematics/spine_pose.h"

namespace {

// What a slot would draw: its picture's pixels, its corners in drawing order and its tint. False
// when it draws nothing.
bool PrepareSlot(const SpineSlot& slot, float brightness, LDvTextureAtlas& bundle, PixelPicture& picture,
                 float corners[8], PixelTint& tint) {
    KGraphic* graphic = PlaceSlot(slot, bundle);
    if (graphic == nullptr || slot.a == 0) return false;
    picture = pixelsOf(*graphic);
    if (picture.pixels == nullptr) {
        SpineImage& image = *slot.attachment->currentImage;
        if (!image.missingLogged) Log("Spine: picture '" + image.name + "' holds no pixels to compose; not drawn");
        image.missingLogged = true;
        return false;
    }
    tint = PixelTint{tintLevel(slot.r / 255.0f * brightness), tintLevel(slot.g / 255.0f * brightness),
                     tintLevel(slot.b / 255.0f * brightness), slot.a};
    const float* at = slot.attachment->worldCorners;
    const float inOrder[8] = {at[0], at[1], at[6], at[7], at[4], at[5], at[2], at[3]};
    std::copy(inOrder, inOrder + 8, corners);
    return true;
}

}  // namespace

void RetainBundlePixels(LDvTextureAtlas& bundle) {
    for (const std::unique_ptr<LDvSprite>& item : bundle.items) {
        if (KGraphic* picture = item->Picture()) picture->setRetainPixels(true);
    }
}

void ComposeSkeleton(SpineSkeleton& skeleton, LDvTextureAtlas& bundle, PixelCanvas& canvas) {
    PixelPicture picture;
    float corners[8];
    PixelTint tint;
    for (const std::unique_ptr<SpineSlot>& slot : skeleton.slots) {
        if (PrepareSlot(*slot, skeleton.brightness, bundle, picture, corners, tint)) {
            canvas.drawPicture(picture, corners, tint);
        }
    }
}

void ComposeActor(SpineActor& actor, PixelCanvas& canvas) {
    if (!actor.visible || actor.bundle == nullptr) return;
    ApplyAnimation(actor.animation, actor.skeleton, actor.time, actor.looping);
    UpdateWorld(actor.skeleton);
    ComposeSkeleton(actor.skeleton, *actor.bundle, canvas);
}
