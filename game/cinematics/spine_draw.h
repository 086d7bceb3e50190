#pragma once
// Drawing a posed skeleton: every slot's current picture, found in a bundle by its short name, is
// drawn as a quadrilateral in window pixels (no display scale here: the users fold it into the
// root bone). Slots without a bone, a picture or a bundle item are skipped; a picture missing from
// the bundle is logged once.
class LDvTextureAtlas;
struct SpineSkeleton;

// `bundle` is borrowed; null draws nothing.
void DrawSkeleton(SpineSkeleton& skeleton, LDvTextureAtlas* bundle);
