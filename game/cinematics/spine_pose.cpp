#include "game/cinematics/spine_pose.h"

#include <cmath>
#include <memory>

#include "game/cinematics/spine_animation.h"
#include "game/cinematics/spine_skeleton.h"

namespace {

constexpr float kRadiansPerDegree = 0.017453292f;

}  // namespace

void ApplyAnimation(SpineAnimation& animation, SpineSkeleton& skeleton, float time, bool looping) {
    if (looping && animation.duration != 0.0f) time = std::fmod(time, animation.duration);
    for (std::unique_ptr<SpineFrames>& timeline : animation.timelines) timeline->Apply(skeleton, time);
}

void UpdateWorld(SpineSkeleton& skeleton) {
    for (std::unique_ptr<SpineBone>& owned : skeleton.bones) {
        SpineBone& bone = *owned;
        if (const SpineBone* parent = bone.parent) {
            bone.worldX = bone.x * parent->m00 + bone.y * parent->m01 + parent->worldX;
            bone.worldY = bone.x * parent->m10 + bone.y * parent->m11 + parent->worldY;
            bone.worldScaleX = bone.scaleX * parent->worldScaleX;
            bone.worldScaleY = bone.scaleY * parent->worldScaleY;
            bone.worldRotation = bone.rotation + parent->worldRotation;
        } else {
            bone.worldX = bone.x;
            bone.worldY = bone.y;
            bone.worldScaleX = bone.scaleX;
            bone.worldScaleY = bone.scaleY;
            bone.worldRotation = bone.rotation;
        }
        const float radians = bone.worldRotation * kRadiansPerDegree;
        const float cosine = std::cos(radians);
        const float sine = std::sin(radians);
        bone.m00 = cosine * bone.worldScaleX;
        bone.m10 = sine * bone.worldScaleX;
        bone.m01 = -sine * bone.worldScaleY;
        bone.m11 = cosine * bone.worldScaleY;
    }
}
