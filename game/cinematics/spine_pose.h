#pragma once
// Posing a skeleton: the animation's timelines set the current pose at a time, then every bone's
// world transform is built from its parent's.
struct SpineAnimation;
struct SpineSkeleton;

// Sets the current pose at `time` seconds; looping wraps the time into the animation's duration.
void ApplyAnimation(SpineAnimation& animation, SpineSkeleton& skeleton, float time, bool looping);

// Rebuilds every bone's world transform in bones order. A bone listed before its parent takes the
// parent's world values from the previous update.
void UpdateWorld(SpineSkeleton& skeleton);
