#pragma once
// A cut-out skeleton: bones carrying slots, each slot showing one picture of its skin entry.
// The skeleton owns its bones, slots and skins (and the skins their attachments and images);
// pointers between them (a bone's parent, a slot's bone and attachment) stay valid for the
// skeleton's life. Pictures are only named here: they are found in a bundle when drawn.
#include <cstdint>
#include <memory>
#include <string_view>
#include <unordered_map>

#include "framework/core/ldv_list.h"
#include "framework/core/ldv_string.h"
#include "game/cinematics/spine_array.h"

class LDvOverlay;

// Angles are in degrees and y grows downwards: the file's y and rotations are negated on reading.
struct SpineBone {
    SpineBone* parent = nullptr;  // the first bone named parentName; null for a root
    LDvString parentName;
    LDvString name;
    // World transform, rebuilt by UpdateWorld from the current pose.
    float m00 = 1.0f, m01 = 0.0f, worldX = 0.0f;
    float m10 = 0.0f, m11 = 1.0f, worldY = 0.0f;
    float worldRotation = 0.0f, worldScaleX = 1.0f, worldScaleY = 1.0f;
    // Setup pose as read; length is kept but plays no part in posing or drawing.
    float setupX = 0.0f, setupY = 0.0f, setupRotation = 0.0f, setupLength = 0.0f;
    float setupScaleX = 1.0f, setupScaleY = 1.0f;
    // Current pose: the setup pose changed by the animation's timelines.
    float x = 0.0f, y = 0.0f, rotation = 0.0f, length = 0.0f, scaleX = 1.0f, scaleY = 1.0f;

    void ResetToSetupPose() {
        x = setupX;
        y = setupY;
        rotation = setupRotation;
        length = setupLength;
        scaleX = setupScaleX;
        scaleY = setupScaleY;
    }
};

// One picture a slot can show, placed relative to the slot's bone.
struct SpineImage {
    LDvString name;               // short name of a bundle picture
    float x = 0.0f, y = 0.0f, scaleX = 1.0f, scaleY = 1.0f;
    float width = 0.0f, height = 0.0f;  // as written in the file; drawing uses the picture's size
    float rotation = 0.0f;
    bool missingLogged = false;   // the picture was looked for in the bundle and not found
    bool oversizeLogged = false;  // the picture was posed too large to draw
};

// A slot's entry in a skin. Named after the slot; it shows its current image with the placement
// of its first image.
struct SpineAttachment {
    LDvString name;
    Array<std::unique_ptr<SpineImage>> images;  // file order, never empty
    LDvOverlay* picture = nullptr;              // the bundle item found at the last draw (borrowed)
    SpineImage* currentImage = nullptr;         // one of images
    float x = -1.0f, y = -1.0f, scaleX = -1.0f, scaleY = -1.0f;
    float width = -1.0f, height = -1.0f, rotation = -1.0f;
    float localCorners[8] = {};                 // x, y of four corners about the bone
    float worldCorners[8] = {};                 // the same corners in window pixels
};

struct SpineSkin {
    LDvString name;
    LDvList<std::unique_ptr<SpineAttachment>> attachments;
};

struct SpineSlot {
    SpineBone* bone = nullptr;    // null when no bone has boneName (the slot is not drawn)
    LDvString name;
    LDvString boneName;
    LDvString setupAttachmentName;
    SpineAttachment* attachment = nullptr;  // null while the slot shows nothing
    uint8_t r = 255, g = 255, b = 255, a = 255;
    uint8_t setupR = 255, setupG = 255, setupB = 255, setupA = 255;
};

struct SpineSkeleton {
    SpineSkeleton() = default;
    SpineSkeleton(const SpineSkeleton&) = delete;
    SpineSkeleton& operator=(const SpineSkeleton&) = delete;

    float brightness = 1.0f;      // multiplies red, green and blue of every slot when drawn
    LDvString skinName;
    Array<std::unique_ptr<SpineBone>> bones;  // file order; the first is the root
    Array<std::unique_ptr<SpineSlot>> slots;  // file order, which is the drawing order
    LDvList<std::unique_ptr<SpineSkin>> skins;

    // Null when the index is outside the array (timelines naming nothing carry -1).
    SpineBone* BoneAt(int index) const;
    SpineSlot* SlotAt(int index) const;
    int FindBone(std::string_view name) const;  // index of the first bone so named, -1 when none
    int FindSlot(std::string_view name) const;
    // The attachment so named in the first skin named skinName; null when there is none.
    SpineAttachment* FindAttachment(std::string_view name) const;
};

// The first index of every name among bones or slots, for linking many names in one go. Holds
// views of the names: the items must not change while it is used.
class SpineNameIndex {
public:
    template <typename T>
    explicit SpineNameIndex(const Array<std::unique_ptr<T>>& items) {
        for (int i = 0; i < items.Count(); ++i) first.try_emplace(items.At(i)->name, i);
    }
    int Find(std::string_view name) const {
        const auto found = first.find(name);
        return found == first.end() ? -1 : found->second;
    }

private:
    std::unordered_map<std::string_view, int> first;
};

// Reads a skeleton file's text into an empty skeleton and selects the skin "default". Names that
// match nothing are logged with `source` (the file's name) and left unlinked.
void LoadSkeleton(std::string_view text, const LDvString& source, SpineSkeleton& skeleton);
