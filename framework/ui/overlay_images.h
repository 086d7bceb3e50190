#pragma once
// Putting pictures into overlays: files under the data root's image folder (with the active
// language's replacement pictures), frame grids, raw pixels, regions of a page sprite and pictures
// shared between overlays. Every picture lives in a shared holder: an overlay keeps one reference
// and the picture is freed with its last reference (UnloadImage, SharePicture, the overlay's end).
#include <cstdint>
#include <vector>

#include "framework/core/ldv_string.h"

class LDvOverlay;
class LDvSprite;

// Loads `path` (relative to the image folder unless absolute) into an overlay that is not loaded
// yet. A missing file leaves an invisible 16 x 16 placeholder, logs and reports missing media; a
// file that cannot be decoded leaves the overlay loaded with an empty picture.
void LoadImage(LDvOverlay* overlay, const LDvString& path, bool hiQuality = true);
void LoadFrames(LDvOverlay* overlay, const LDvString& path, int columns, int rows, int frameCount);
// pixels: width x height 32-bit values, row-major, bytes in memory R, G, B, A.
void LoadFromPixels(LDvOverlay* overlay, const uint32_t* pixels, int width, int height);
// The same, taking over `pixels` (exactly width x height of them) instead of copying them.
void LoadFromPixels(LDvOverlay* overlay, std::vector<uint32_t>&& pixels, int width, int height);
void UnloadImage(LDvOverlay* overlay);
// Shows a rectangle of `page`'s picture; the page must outlive the overlay's drawing.
void SetRegion(LDvOverlay* overlay, const LDvString& name, LDvSprite* page, int regionX, int regionY,
               int regionWidth, int regionHeight, int frameWidth, int frameHeight, bool rotated);
void SharePicture(LDvOverlay* target, const LDvOverlay* source);
void EnsurePicture(LDvOverlay* overlay);
void SetName(LDvOverlay* overlay, const LDvString& path);

// The full path LoadImage opens for `path` (before the language replacement is considered).
LDvString PicturePath(const LDvString& path);
