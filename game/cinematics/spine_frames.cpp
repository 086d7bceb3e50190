#include "game/cinematics/spine_frames.h"

#include <cmath>
#include <memory>

#include "game/cinematics/spine_skeleton.h"

namespace {

// Bezier curves are walked in ten straight segments.
constexpr float kSegmentStep = 0.1f;
constexpr float kStep2 = kSegmentStep * kSegmentStep;
constexpr float kStep3 = kStep2 * kSegmentStep;
constexpr float kStepPre1 = 3.0f * kSegmentStep;
constexpr float kStepPre2 = 3.0f * kStep2;
constexpr float kStepPre4 = 6.0f * kStep2;
constexpr float kStepPre5 = 6.0f * kStep3;
constexpr int kCurveTests = 9;

constexpr float kHalfTurn = 180.0f;
constexpr float kTurn = 360.0f;
// Beyond this many turns the angle difference is folded at once: subtracting whole turns one
// by one from a huge (or infinite) difference would never finish.
constexpr float kFoldLimit = 8.0f * kTurn;

float ClampPercent(float percent) {
    if (!(percent > 0.0f)) return 0.0f;  // NaN too, from keys sharing a time
    return percent < 1.0f ? percent : 1.0f;
}

uint8_t ColorByte(float value) {
    const float scaled = std::trunc(value * 255.0f);
    if (!(scaled > 0.0f)) return 0;
    return scaled < 255.0f ? static_cast<uint8_t>(scaled) : 255;
}

}  // namespace

float SpineFrames::GetDuration() const {
    const int keys = KeyCount();
    return keys > 0 ? frames.At((keys - 1) * keySize) : 0.0f;
}

int SpineKeySearch(const Array<float>& frames, float time, int keySize) {
    const int keys = frames.Count() / keySize;
    if (keys < 2) return keySize;
    int low = 0;
    int high = keys - 2;
    while (low != high) {
        const int mid = (low + high) / 2;
        if (time >= frames.At((mid + 1) * keySize)) low = mid + 1;
        else high = mid;
    }
    return (low + 1) * keySize;
}

SpineCurveFrames::SpineCurveFrames(int floatsPerKey, int keyCount) : SpineFrames(floatsPerKey) {
    const int ways = keyCount > 1 ? keyCount - 1 : 0;
    frames.Reserve(keyCount * floatsPerKey);
    curves.Reserve(ways * kCurveSize);
    for (int i = 0; i < ways * kCurveSize; ++i) curves.Add(i % kCurveSize == 0 ? kLinear : 0.0f);
}

void SpineCurveFrames::SetStepped(int key) { curves[key * kCurveSize] = kStepped; }

void SpineCurveFrames::SetCurve(int key, float cx1, float cy1, float cx2, float cy2) {
    const float tmp1x = -2.0f * cx1 + cx2;
    const float tmp1y = -2.0f * cy1 + cy2;
    const float tmp2x = 3.0f * (cx1 - cx2) + 1.0f;
    const float tmp2y = 3.0f * (cy1 - cy2) + 1.0f;
    const int at = key * kCurveSize;
    curves[at] = cx1 * kStepPre1 + tmp1x * kStepPre2 + tmp2x * kStep3;
    curves[at + 1] = cy1 * kStepPre1 + tmp1y * kStepPre2 + tmp2y * kStep3;
    curves[at + 2] = tmp1x * kStepPre4 + tmp2x * kStepPre5;
    curves[at + 3] = tmp1y * kStepPre4 + tmp2y * kStepPre5;
    curves[at + 4] = tmp2x * kStepPre5;
    curves[at + 5] = tmp2y * kStepPre5;
}

float SpineCurveFrames::CurvePercent(int key, float percent) const {
    const int at = key * kCurveSize;
    float dfx = curves.Get(at);
    if (dfx == kLinear) return percent;
    if (dfx == kStepped) return 0.0f;
    float dfy = curves.Get(at + 1);
    float ddfx = curves.Get(at + 2);
    float ddfy = curves.Get(at + 3);
    const float dddfx = curves.Get(at + 4);
    const float dddfy = curves.Get(at + 5);
    float x = dfx;
    float y = dfy;
    for (int test = 1;; ++test) {
        if (x >= percent) {
            const float prevX = x - dfx;
            const float prevY = y - dfy;
            // A segment of no width (a degenerate curve) would divide by zero.
            if (x == prevX) return y;
            return prevY + (y - prevY) * (percent - prevX) / (x - prevX);
        }
        if (test == kCurveTests) break;
        dfx += ddfx;
        dfy += ddfy;
        ddfx += dddfx;
        ddfy += dddfy;
        x += dfx;
        y += dfy;
    }
    if (x == 1.0f) return y;
    return y + (1.0f - y) * (percent - x) / (1.0f - x);  // the curve ends at (1, 1)
}

bool SpineCurveFrames::Locate(float time, KeyPosition& where) const {
    const int keys = KeyCount();
    if (keys == 0 || time < frames.At(0)) return false;
    const int last = (keys - 1) * keySize;
    if (time >= frames.At(last)) {
        where = KeyPosition{last, last, 0.0f};
        return true;
    }
    const int next = SpineKeySearch(frames, time, keySize);
    const int previous = next - keySize;
    const float nextTime = frames.At(next);
    const float linear = ClampPercent(1.0f - (time - nextTime) / (frames.At(previous) - nextTime));
    where = KeyPosition{previous, next, CurvePercent(next / keySize - 1, linear)};
    return true;
}

float SpineCurveFrames::Interpolate(const KeyPosition& where, int offset) const {
    const float from = frames.At(where.previous + offset);
    return from + (frames.At(where.next + offset) - from) * where.percent;
}

void SpineTranslateFrames::Apply(SpineSkeleton& skeleton, float time) {
    SpineBone* bone = skeleton.BoneAt(target);
    KeyPosition where;
    if (bone == nullptr || !Locate(time, where)) return;
    bone->x = bone->setupX + Interpolate(where, 1);
    bone->y = bone->setupY + Interpolate(where, 2);
}

void SpineScaleFrames::Apply(SpineSkeleton& skeleton, float time) {
    SpineBone* bone = skeleton.BoneAt(target);
    KeyPosition where;
    if (bone == nullptr || !Locate(time, where)) return;
    bone->scaleX = Interpolate(where, 1) + bone->setupScaleX - 1.0f;
    bone->scaleY = Interpolate(where, 2) + bone->setupScaleY - 1.0f;
}

void SpineRotateFrames::Apply(SpineSkeleton& skeleton, float time) {
    SpineBone* bone = skeleton.BoneAt(target);
    KeyPosition where;
    if (bone == nullptr || !Locate(time, where)) return;
    const float from = frames.At(where.previous + 1);
    if (where.previous == where.next) {
        bone->rotation = bone->setupRotation + from;
        return;
    }
    float turn = frames.At(where.next + 1) - from;
    if (!(std::fabs(turn) <= kFoldLimit)) turn = std::remainder(turn, kTurn);
    while (turn > kHalfTurn) turn -= kTurn;
    while (turn < -kHalfTurn) turn += kTurn;
    // Not brought back into one turn: bones may wind up past 360 degrees.
    bone->rotation = from + bone->setupRotation + turn * where.percent;
}

void SpineColorFrames::Apply(SpineSkeleton& skeleton, float time) {
    SpineSlot* slot = skeleton.SlotAt(target);
    KeyPosition where;
    if (slot == nullptr || !Locate(time, where)) return;
    // Clamped: an overshooting curve must not wrap a bright colour round to a dark one.
    slot->r = ColorByte(Interpolate(where, 1));
    slot->g = ColorByte(Interpolate(where, 2));
    slot->b = ColorByte(Interpolate(where, 3));
    slot->a = ColorByte(Interpolate(where, 4));
}

void SpineAttachmentFrames::Apply(SpineSkeleton& skeleton, float time) {
    const int keys = KeyCount();
    SpineSlot* slot = skeleton.SlotAt(slotIndex);
    if (slot == nullptr || keys == 0 || time < frames.At(0)) return;
    const int key = time >= frames.At(keys - 1) ? keys - 1 : SpineKeySearch(frames, time, 1) - 1;
    const LDvString name = names.Get(key);
    if (name == slot->setupAttachmentName) return;
    if (name == kHidden) {
        slot->attachment = nullptr;
        return;
    }
    slot->attachment = skeleton.FindAttachment(slotName);
    if (slot->attachment == nullptr) return;
    // The placement stays the first image's: only the picture changes.
    for (const std::unique_ptr<SpineImage>& image : slot->attachment->images) {
        if (image->name == name) {
            slot->attachment->currentImage = image.get();
            return;
        }
    }
}
