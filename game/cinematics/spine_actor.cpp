#include "game/cinematics/spine_actor.h"

#include "framework/core/folders.h"
#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"
#include "framework/core/ldv_file.h"
#include "game/cinematics/spine_draw.h"
#include "game/cinematics/spine_pose.h"

namespace {

constexpr const char* kSpineFolder = "Spine";

// The file as text with every line ending in "\n", as if read line by line; empty when missing.
LDvString ReadSpineFile(const LDvString& path) {
    LDvFile file;
    LDvString text;
    if (!file.Open(path, kFileModeRead) || !file.ReadAll(text)) {
        Log("Spine: file not found - " + path);
        return LDvString();
    }
    if (!text.empty() && text.back() != '\n') text += '\n';
    return text;
}

}  // namespace

std::unique_ptr<SpineActor> LoadActor(const LDvString& name, LDvTextureAtlas* bundle) {
    auto actor = std::make_unique<SpineActor>();
    actor->bundle = bundle;
    const LDvString folder = JoinPaths(GetDataRoot(), kSpineFolder) + "/";
    const LDvString skeletonFile = name + "-skeleton.json";
    const LDvString animationFile = name + "-animation.json";
    LoadSkeleton(ReadSpineFile(folder + skeletonFile), skeletonFile, actor->skeleton);
    LoadAnimation(ReadSpineFile(folder + animationFile), animationFile, actor->skeleton, actor->animation);
    return actor;
}

void RestartActor(SpineActor& actor) {
    actor.time = 0.0f;
    for (std::unique_ptr<SpineBone>& bone : actor.skeleton.bones) bone->ResetToSetupPose();
    for (std::unique_ptr<SpineSlot>& slot : actor.skeleton.slots) {
        slot->r = slot->setupR;
        slot->g = slot->setupG;
        slot->b = slot->setupB;
        slot->a = slot->setupA;
    }
    // The position as stored: SetActorPosition scales it on the next draw.
    if (SpineBone* root = actor.skeleton.BoneAt(0)) {
        root->x = actor.x;
        root->y = actor.y;
    }
}

void SetActorPosition(SpineActor& actor, float x, float y) {
    actor.x = x;
    actor.y = y;
    if (SpineBone* root = actor.skeleton.BoneAt(0)) {
        root->x = x * WindowPixelScale();
        root->y = y * WindowPixelScale();
    }
}

void TickActor(SpineActor& actor) {
    if (actor.visible && !actor.held) actor.time += kSpineTickSeconds;
}

void DrawActor(SpineActor& actor) {
    if (!actor.visible) return;
    ApplyAnimation(actor.animation, actor.skeleton, actor.time, actor.looping);
    UpdateWorld(actor.skeleton);
    DrawSkeleton(actor.skeleton, actor.bundle);
}
