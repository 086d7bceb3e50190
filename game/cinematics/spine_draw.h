#pragma once
// Drawing a posed skeleton: every slot's current picture, found in a bundle by its short name, is
// drawn as a quadrilateral in window pixels (no display scale here: the users fold it into the
// root bone). Slots without a bone, a picture or a bundle item are skipped; a picture missing from
// the bundle is logged once.
class KGraphic;
class LDvTextureAtlas;
struct SpineSkeleton;
struct SpineSlot;

// Finds the slot's current picture in the bundle and places its corners (the attachment's world
// corners, in window pixels: top-left, bottom-left, bottom-right, top-right of the picture). Null
// when the slot has nothing to draw; its alpha is not looked at.
KGraphic* PlaceSlot(const SpineSlot& slot, LDvTextureAtlas& bundle);

// `bundle` is borrowed; null draws nothing.
void DrawSkeleton(SpineSkeleton& skeleton, LDvTextureAtlas* bundle);
