#include "game/cinematics/spine_skeleton.h"

#include <unordered_map>

#include "framework/core/game_log.h"
#include "game/cinematics/json_scanner.h"

namespace {

constexpr const char* kDefaultSkin = "default";

void ReadBones(std::string_view text, const LDvString& source, SpineSkeleton& skeleton) {
    for (const auto& member : ParseJsonObject(text)) {
        auto bone = std::make_unique<SpineBone>();
        const std::string_view boneText = member.value;
        bone->name = member.key;
        bone->parentName = JsonString(boneText, "parent", "");
        bone->setupLength = JsonFloat(boneText, "length", 0.0f);
        bone->setupX = JsonFloat(boneText, "x", 0.0f);
        bone->setupY = -JsonFloat(boneText, "y", 0.0f);
        bone->setupRotation = -JsonFloat(boneText, "rotation", 0.0f);
        bone->setupScaleX = JsonFloat(boneText, "scaleX", 1.0f);
        bone->setupScaleY = JsonFloat(boneText, "scaleY", 1.0f);
        bone->ResetToSetupPose();
        skeleton.bones.Add(std::move(bone));
    }
    // Parents are linked once every bone exists, so a bone may name one listed after it.
    const SpineNameIndex boneIndex(skeleton.bones);
    for (std::unique_ptr<SpineBone>& bone : skeleton.bones) {
        if (bone->parentName.empty()) continue;
        bone->parent = skeleton.BoneAt(boneIndex.Find(bone->parentName));
        if (bone->parent == nullptr) {
            Log("Spine: " + source + ": bone '" + bone->name + "' names no bone as parent ('" + bone->parentName +
                "'); it is a root");
        }
    }
    if (skeleton.bones.IsEmpty()) Log("Spine: " + source + ": no bones");
}

void ReadSlots(std::string_view text, const LDvString& source, SpineSkeleton& skeleton) {
    for (const auto& member : ParseJsonObject(text)) {
        auto slot = std::make_unique<SpineSlot>();
        slot->name = member.key;
        slot->boneName = JsonString(member.value, "bone", "");
        slot->setupAttachmentName = JsonString(member.value, "attachment", "");
        skeleton.slots.Add(std::move(slot));
    }
    const SpineNameIndex boneIndex(skeleton.bones);
    for (std::unique_ptr<SpineSlot>& slot : skeleton.slots) {
        slot->bone = skeleton.BoneAt(boneIndex.Find(slot->boneName));
        if (slot->bone == nullptr) {
            Log("Spine: " + source + ": slot '" + slot->name + "' names no bone ('" + slot->boneName +
                "'); it is not drawn");
        }
    }
}

std::unique_ptr<SpineImage> ReadImage(const LDvString& name, std::string_view text) {
    auto image = std::make_unique<SpineImage>();
    image->name = name;
    image->x = JsonFloat(text, "x", 0.0f);
    image->y = -JsonFloat(text, "y", 0.0f);
    image->scaleX = JsonFloat(text, "scaleX", 1.0f);
    image->scaleY = JsonFloat(text, "scaleY", 1.0f);
    image->width = JsonFloat(text, "width", 0.0f);
    image->height = JsonFloat(text, "height", 0.0f);
    image->rotation = -JsonFloat(text, "rotation", 0.0f);
    return image;
}

// Only the skin "default" is read; an entry is named after its slot and places every picture it
// may show like its first.
void ReadDefaultSkin(std::string_view skinsText, const LDvString& source, SpineSkeleton& skeleton) {
    auto skin = std::make_unique<SpineSkin>();
    skin->name = kDefaultSkin;
    const LDvString defaultText = ParseJsonObject(skinsText).Get(kDefaultSkin);
    for (const auto& entry : ParseJsonObject(defaultText)) {
        auto attachment = std::make_unique<SpineAttachment>();
        attachment->name = entry.key;
        for (const auto& picture : ParseJsonObject(entry.value)) {
            attachment->images.Add(ReadImage(picture.key, picture.value));
        }
        if (attachment->images.IsEmpty()) {
            Log("Spine: " + source + ": skin entry '" + entry.key + "' has no pictures; skipped");
            continue;
        }
        const SpineImage& first = *attachment->images.At(0);
        attachment->currentImage = attachment->images.At(0).get();
        attachment->x = first.x;
        attachment->y = first.y;
        attachment->scaleX = first.scaleX;
        attachment->scaleY = first.scaleY;
        attachment->width = first.width;
        attachment->height = first.height;
        attachment->rotation = first.rotation;
        skin->attachments.Add(std::move(attachment));
    }
    skeleton.skins.Add(std::move(skin));
}

}  // namespace

SpineBone* SpineSkeleton::BoneAt(int index) const { return index >= 0 && index < bones.Count() ? bones.At(index).get() : nullptr; }

SpineSlot* SpineSkeleton::SlotAt(int index) const { return index >= 0 && index < slots.Count() ? slots.At(index).get() : nullptr; }

int SpineSkeleton::FindBone(std::string_view name) const {
    for (int i = 0; i < bones.Count(); ++i) {
        if (bones.At(i)->name == name) return i;
    }
    return -1;
}

int SpineSkeleton::FindSlot(std::string_view name) const {
    for (int i = 0; i < slots.Count(); ++i) {
        if (slots.At(i)->name == name) return i;
    }
    return -1;
}

SpineAttachment* SpineSkeleton::FindAttachment(std::string_view name) const {
    for (const std::unique_ptr<SpineSkin>& skin : skins) {
        if (skin->name != skinName) continue;
        for (const std::unique_ptr<SpineAttachment>& attachment : skin->attachments) {
            if (attachment->name == name) return attachment.get();
        }
        return nullptr;
    }
    return nullptr;
}

void LoadSkeleton(std::string_view text, const LDvString& source, SpineSkeleton& skeleton) {
    const LDvMap<> members = ParseJsonObject(text);
    ReadBones(members.Get("bones"), source, skeleton);
    ReadSlots(members.Get("slots"), source, skeleton);
    ReadDefaultSkin(members.Get("skins"), source, skeleton);
    // A slot finds its entry by its own name, not by its "attachment" value.
    skeleton.skinName = kDefaultSkin;
    std::unordered_map<std::string_view, SpineAttachment*> entries;
    for (const std::unique_ptr<SpineAttachment>& attachment : skeleton.skins.Head()->attachments) {
        entries.try_emplace(attachment->name, attachment.get());
    }
    for (std::unique_ptr<SpineSlot>& slot : skeleton.slots) {
        const auto found = entries.find(slot->name);
        slot->attachment = found == entries.end() ? nullptr : found->second;
    }
}
