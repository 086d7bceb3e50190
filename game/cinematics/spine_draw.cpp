#include "game/cinematics/spine_draw.h"

#include <cmath>
#include <memory>

#include "framework/core/game_log.h"
#include "framework/ui/ldv_texture_atlas.h"
#include "game/cinematics/spine_skeleton.h"

namespace {

constexpr float kRadiansPerDegree = 0.017453292f;
// No picture of the game is drawn larger than this on either side. The software renderer scales a
// quad whole before clipping it to the window, so a runaway scale in the data would otherwise cost
// seconds and gigabytes for one frame.
constexpr float kMaxQuadSide = 4096.0f;

LDvOverlay* FindPicture(SpineImage& image, LDvTextureAtlas& bundle) {
    LDvOverlay* picture = bundle.FindItem(image.name);
    if (picture == nullptr && !image.missingLogged) {
        image.missingLogged = true;
        Log("Spine: picture '" + image.name + "' is not in bundle '" + bundle.name + "'; not drawn");
    }
    return picture;
}

// Corners about the bone: (-w, -h), (-w, h), (w, h), (w, -h) of the scaled half size, turned and
// moved by the placement.
void PlaceCorners(SpineAttachment& attachment, float halfWidth, float halfHeight) {
    const float radians = attachment.rotation * kRadiansPerDegree;
    const float cosine = std::cos(radians);
    const float sine = std::sin(radians);
    const float u = halfWidth * attachment.scaleX;
    const float v = halfHeight * attachment.scaleY;
    const float corners[8] = {-u, -v, -u, v, u, v, u, -v};
    for (int i = 0; i < 8; i += 2) {
        attachment.localCorners[i] = attachment.x + corners[i] * cosine - corners[i + 1] * sine;
        attachment.localCorners[i + 1] = attachment.y + corners[i] * sine + corners[i + 1] * cosine;
    }
}

void ToWorld(SpineAttachment& attachment, const SpineBone& bone) {
    for (int i = 0; i < 8; i += 2) {
        const float u = attachment.localCorners[i];
        const float v = attachment.localCorners[i + 1];
        attachment.worldCorners[i] = bone.worldX + u * bone.m00 + v * bone.m01;
        attachment.worldCorners[i + 1] = bone.worldY + u * bone.m10 + v * bone.m11;
    }
}

// False for corners spread wider than any real picture, or not finite.
bool SaneExtent(const float* corners) {
    float minX = corners[0], maxX = corners[0], minY = corners[1], maxY = corners[1];
    for (int i = 2; i < 8; i += 2) {
        minX = std::fmin(minX, corners[i]);
        maxX = std::fmax(maxX, corners[i]);
        minY = std::fmin(minY, corners[i + 1]);
        maxY = std::fmax(maxY, corners[i + 1]);
    }
    return maxX - minX <= kMaxQuadSide && maxY - minY <= kMaxQuadSide;
}

void DrawSlot(const SpineSlot& slot, float brightness, LDvTextureAtlas& bundle) {
    KGraphic* graphic = PlaceSlot(slot, bundle);
    // A slot faded out entirely leaves nothing on screen; skipping it saves a whole blend of its
    // picture (the movie keeps full-screen pictures at alpha 0 until they fade in).
    if (graphic == nullptr || slot.a == 0) return;
    SpineAttachment& attachment = *slot.attachment;
    attachment.picture->SetColor(slot.r / 255.0f * brightness, slot.g / 255.0f * brightness,
                                 slot.b / 255.0f * brightness, slot.a / 255.0f);
    const float width = graphic->getWidth();
    const float height = graphic->getHeight();
    const float* at = attachment.worldCorners;
    // Top-left, top-right, bottom-right, bottom-left of the picture onto corners 0, 3, 2, 1.
    graphic->blitQuad(0.0f, 0.0f, width - 1.0f, 0.0f, width - 1.0f, height - 1.0f, 0.0f, height - 1.0f,
                      at[0], at[1], at[6], at[7], at[4], at[5], at[2], at[3], 1.0f);
}

}  // namespace

KGraphic* PlaceSlot(const SpineSlot& slot, LDvTextureAtlas& bundle) {
    if (slot.attachment == nullptr || slot.bone == nullptr || slot.attachment->currentImage == nullptr) return nullptr;
    SpineAttachment& attachment = *slot.attachment;
    attachment.picture = FindPicture(*attachment.currentImage, bundle);
    if (attachment.picture == nullptr) return nullptr;
    KGraphic* graphic = attachment.picture->Picture();
    if (graphic == nullptr || graphic->isEmpty()) return nullptr;
    // The picture's own size counts, not the size written in the file.
    PlaceCorners(attachment, graphic->getWidth() * 0.5f, graphic->getHeight() * 0.5f);
    ToWorld(attachment, *slot.bone);
    SpineImage& image = *attachment.currentImage;
    if (!SaneExtent(attachment.worldCorners)) {
        if (!image.oversizeLogged) Log("Spine: picture '" + image.name + "' is posed too large to draw; skipped");
        image.oversizeLogged = true;
        return nullptr;
    }
    return graphic;
}

void DrawSkeleton(SpineSkeleton& skeleton, LDvTextureAtlas* bundle) {
    if (bundle == nullptr) return;
    for (const std::unique_ptr<SpineSlot>& slot : skeleton.slots) DrawSlot(*slot, skeleton.brightness, *bundle);
}
