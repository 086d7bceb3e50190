#pragma once
// A posed skeleton composed on the processor instead of drawn by the renderer: every slot as
// DrawSkeleton draws it (the same corners, tint and order) blended into a pixel canvas whose pixels
// are the same units as the skeleton's world (engine/pixel_canvas.h). The bundle's pictures must
// still hold their pixels (KGraphic::setRetainPixels); a slot whose picture holds none is skipped
// and logged once.
class LDvTextureAtlas;
class PixelCanvas;
struct SpineActor;
struct SpineSkeleton;

// Every loaded picture of the bundle keeps its pixels after it is first shown, for composing.
void RetainBundlePixels(LDvTextureAtlas& bundle);

// Draws the posed skeleton on the canvas (between its begin and finish).
void ComposeSkeleton(SpineSkeleton& skeleton, LDvTextureAtlas& bundle, PixelCanvas& canvas);

// Poses the actor at its time and draws it on the canvas (between its begin and finish), when
// visible and it has a bundle.
void ComposeActor(SpineActor& actor, PixelCanvas& canvas);
