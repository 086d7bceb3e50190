#pragma once
// Timelines: key-framed changes of one bone or slot. Keys are stored one after another in
// `frames` (the time first, then the values). Every timeline sets its values outright at the time
// it is given: nothing before its first key, the last key's values from the last key's time on.
// The curve kinds ease from each key to the next along a linear, stepped or Bezier curve.
#include <cstdint>

#include "framework/core/ldv_string.h"
#include "game/cinematics/spine_array.h"

struct SpineSkeleton;

class SpineFrames {
public:
    virtual ~SpineFrames() = default;
    SpineFrames(const SpineFrames&) = delete;
    SpineFrames& operator=(const SpineFrames&) = delete;

    virtual void Apply(SpineSkeleton& skeleton, float time) = 0;
    virtual float GetDuration() const;  // the time of the last key; 0 without keys

    int KeyCount() const { return frames.Count() / keySize; }

    Array<float> frames;
    int32_t target = -1;  // bone index (slot index for colours); -1 when the name matched nothing

protected:
    explicit SpineFrames(int floatsPerKey) : keySize(floatsPerKey) {}
    const int keySize;
};

// For keySize floats per key and a time with first time <= time < last time (at least two keys):
// the float index of the next key, the first whose time exceeds the time.
int SpineKeySearch(const Array<float>& frames, float time, int keySize);

class SpineCurveFrames : public SpineFrames {
public:
    static constexpr float kLinear = -1.0f;
    static constexpr float kStepped = -2.0f;
    static constexpr int kCurveSize = 6;  // numbers per key in `curves`

    void SetStepped(int key);
    // Bezier control points (cx1, cy1), (cx2, cy2) of the way from `key` to the next key.
    void SetCurve(int key, float cx1, float cy1, float cx2, float cy2);
    // Eases a linear percent (0..1) of the way from `key` to the next key along its curve.
    float CurvePercent(int key, float percent) const;

    // Six numbers per key: kLinear, kStepped, or the curve's forward differences.
    Array<float> curves;

protected:
    SpineCurveFrames(int floatsPerKey, int keyCount);

    // Where a time falls: between the key starting at float index `previous` and the one at `next`,
    // `percent` of the way along (eased); past the end both are the last key.
    struct KeyPosition {
        int previous = 0;
        int next = 0;
        float percent = 0.0f;
    };
    // False before the first key (and without keys), when nothing is to change.
    bool Locate(float time, KeyPosition& where) const;
    float Interpolate(const KeyPosition& where, int offset) const;
};

// Keys of time, x, y: the bone's offset from its setup position.
class SpineTranslateFrames : public SpineCurveFrames {
public:
    explicit SpineTranslateFrames(int keyCount) : SpineCurveFrames(3, keyCount) {}
    void Apply(SpineSkeleton& skeleton, float time) override;
};

// Keys of time, x, y: the bone's scale, added to its setup scale less one.
class SpineScaleFrames : public SpineTranslateFrames {
public:
    explicit SpineScaleFrames(int keyCount) : SpineTranslateFrames(keyCount) {}
    void Apply(SpineSkeleton& skeleton, float time) override;
};

// Keys of time, angle (degrees): turns the bone the short way round from key to key.
class SpineRotateFrames : public SpineCurveFrames {
public:
    explicit SpineRotateFrames(int keyCount) : SpineCurveFrames(2, keyCount) {}
    void Apply(SpineSkeleton& skeleton, float time) override;
};

// Keys of time, r, g, b, a (0..1): the slot's colour.
class SpineColorFrames : public SpineCurveFrames {
public:
    explicit SpineColorFrames(int keyCount) : SpineCurveFrames(5, keyCount) {}
    void Apply(SpineSkeleton& skeleton, float time) override;
};

// Keys of time alone with one picture name each ("null" hides the slot).
class SpineAttachmentFrames : public SpineFrames {
public:
    static constexpr const char* kHidden = "null";

    SpineAttachmentFrames() : SpineFrames(1) {}
    void Apply(SpineSkeleton& skeleton, float time) override;

    Array<LDvString> names;  // one per key
    int32_t slotIndex = -1;
    LDvString slotName;
};
