#include "game/cinematics/spine_animation.h"

#include <algorithm>
#include <vector>

#include "framework/core/game_log.h"
#include "game/cinematics/json_scanner.h"
#include "game/cinematics/spine_skeleton.h"

namespace {

enum class CurveKind { Translate, Rotate, Scale, Color };

constexpr const char* kStepped = "stepped";
constexpr int kColorDigits = 8;

// One key as read, before the timeline is made for the number of keys that were readable.
struct ReadKey {
    float values[5] = {};  // time first
    LDvString curve;
};

std::unique_ptr<SpineCurveFrames> MakeCurveFrames(CurveKind kind, int keyCount) {
    switch (kind) {
        case CurveKind::Translate: return std::make_unique<SpineTranslateFrames>(keyCount);
        case CurveKind::Rotate: return std::make_unique<SpineRotateFrames>(keyCount);
        case CurveKind::Scale: return std::make_unique<SpineScaleFrames>(keyCount);
        case CurveKind::Color: return std::make_unique<SpineColorFrames>(keyCount);
    }
    return nullptr;
}

int FloatsPerKey(CurveKind kind) {
    switch (kind) {
        case CurveKind::Translate:
        case CurveKind::Scale: return 3;
        case CurveKind::Rotate: return 2;
        case CurveKind::Color: return 5;
    }
    return 1;
}

// False when the key cannot be read (only a colour can be malformed).
bool ReadValues(CurveKind kind, std::string_view text, float* values) {
    switch (kind) {
        case CurveKind::Translate:
            values[0] = JsonFloat(text, "x", 0.0f);
            values[1] = -JsonFloat(text, "y", 0.0f);
            return true;
        case CurveKind::Scale:
            values[0] = JsonFloat(text, "x", 0.0f);
            values[1] = JsonFloat(text, "y", 0.0f);
            return true;
        case CurveKind::Rotate:
            values[0] = -JsonFloat(text, "angle", 0.0f);
            return true;
        case CurveKind::Color: return ReadSpineColor(JsonString(text, "color", ""), values);
    }
    return false;
}

void ApplyCurveText(SpineCurveFrames& frames, int key, const LDvString& curve) {
    if (curve.empty()) return;
    if (curve == kStepped) {
        frames.SetStepped(key);
        return;
    }
    const Array<float> points = JsonFloatList(curve);
    frames.SetCurve(key, points.Get(0), points.Get(1), points.Get(2), points.Get(3));
}

// Keys are kept in file order: the data list them by increasing time.
std::unique_ptr<SpineFrames> ReadCurveTimeline(CurveKind kind, std::string_view text, const LDvString& source) {
    std::vector<ReadKey> keys;
    for (const auto& member : ParseJsonObject(text)) {
        ReadKey key;
        key.values[0] = ReadDecimal(member.key);
        if (!ReadValues(kind, member.value, key.values + 1)) {
            Log("Spine: " + source + ": colour key at '" + member.key + "' is not eight hexadecimal digits; skipped");
            continue;
        }
        key.curve = JsonString(member.value, "curve", "");
        keys.push_back(std::move(key));
    }
    std::unique_ptr<SpineCurveFrames> frames = MakeCurveFrames(kind, static_cast<int>(keys.size()));
    const int floats = FloatsPerKey(kind);
    for (size_t k = 0; k < keys.size(); ++k) {
        for (int i = 0; i < floats; ++i) frames->frames.Add(keys[k].values[i]);
        ApplyCurveText(*frames, static_cast<int>(k), keys[k].curve);
    }
    return frames;
}

std::unique_ptr<SpineFrames> ReadAttachmentTimeline(std::string_view text, int slotIndex, const LDvString& slotName) {
    auto frames = std::make_unique<SpineAttachmentFrames>();
    frames->slotIndex = slotIndex;
    frames->slotName = slotName;
    for (const auto& member : ParseJsonObject(text)) {
        frames->frames.Add(ReadDecimal(member.key));
        frames->names.Add(member.value);
    }
    return frames;
}

void Append(SpineAnimation& animation, std::unique_ptr<SpineFrames> timeline) {
    animation.duration = std::max(animation.duration, timeline->GetDuration());
    animation.timelines.Add(std::move(timeline));
}

void ReadBoneTimelines(std::string_view text, const LDvString& source, const SpineSkeleton& skeleton,
                       SpineAnimation& animation) {
    static constexpr std::pair<const char*, CurveKind> kKinds[] = {
        {"translate", CurveKind::Translate}, {"rotate", CurveKind::Rotate}, {"scale", CurveKind::Scale}};
    const SpineNameIndex bones(skeleton.bones);
    for (const auto& bone : ParseJsonObject(text)) {
        const int target = bones.Find(bone.key);
        if (target < 0) Log("Spine: " + source + ": timelines for bone '" + bone.key + "', which does not exist");
        const LDvMap<> timelines = ParseJsonObject(bone.value);
        for (const auto& [name, kind] : kKinds) {
            const LDvString* keys = timelines.Find(name);
            if (keys == nullptr || keys->empty()) continue;
            std::unique_ptr<SpineFrames> timeline = ReadCurveTimeline(kind, *keys, source);
            timeline->target = target;
            Append(animation, std::move(timeline));
        }
    }
}

void ReadSlotTimelines(std::string_view text, const LDvString& source, const SpineSkeleton& skeleton,
                       SpineAnimation& animation) {
    const SpineNameIndex slots(skeleton.slots);
    for (const auto& slot : ParseJsonObject(text)) {
        const int index = slots.Find(slot.key);
        if (index < 0) Log("Spine: " + source + ": timelines for slot '" + slot.key + "', which does not exist");
        const LDvMap<> timelines = ParseJsonObject(slot.value);
        const LDvString* colors = timelines.Find("color");
        if (colors != nullptr && !colors->empty()) {
            std::unique_ptr<SpineFrames> timeline = ReadCurveTimeline(CurveKind::Color, *colors, source);
            timeline->target = index;
            Append(animation, std::move(timeline));
        }
        const LDvString* pictures = timelines.Find("attachment");
        if (pictures != nullptr && !pictures->empty()) {
            Append(animation, ReadAttachmentTimeline(*pictures, index, slot.key));
        }
    }
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

bool ReadSpineColor(std::string_view text, float rgba[4]) {
    if (text.size() != kColorDigits) return false;
    int bytes[4] = {};
    for (int i = 0; i < kColorDigits; i += 2) {
        const int high = HexDigit(text[i]);
        const int low = HexDigit(text[i + 1]);
        if (high < 0 || low < 0) return false;
        bytes[i / 2] = high * 16 + low;
    }
    for (int i = 0; i < 4; ++i) rgba[i] = static_cast<float>(bytes[i]) / 255.0f;
    return true;
}

void LoadAnimation(std::string_view text, const LDvString& source, const SpineSkeleton& skeleton,
                   SpineAnimation& animation) {
    const LDvMap<> members = ParseJsonObject(text);
    ReadBoneTimelines(members.Get("bones"), source, skeleton, animation);
    ReadSlotTimelines(members.Get("slots"), source, skeleton, animation);
}
