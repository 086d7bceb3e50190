#pragma once
// The adventure bar under every scene and its pictures (img/states/scene/). The scene places the
// bar at (0, 900 - its height) and everything else relative to the bar's top-left corner; the
// offsets below are the game's, the sizes are ours and are chosen so that each glow is centred on
// its button and nothing the scene draws later covers a button.
#include "tools/forge/core/rgba_image.h"

namespace scene_bar {
constexpr int kWidth = 1600;
constexpr int kHeight = 200;
constexpr int kTop = 900 - kHeight;         // the bar's top on the canvas

constexpr int kMenuX = 261, kMenuY = 66;    // button offsets from the bar's top-left
constexpr int kMenuSize = 88;
constexpr int kHintX = 1069, kHintY = 58;
constexpr int kHintWidth = 84, kHintHeight = 78;
constexpr int kSkipX = 1141, kSkipY = 134;
constexpr int kSkipWidth = 110, kSkipHeight = 52;
constexpr int kHintGlowX = 1027, kHintGlowY = 17;
constexpr int kSkipGlowX = 1112, kSkipGlowY = 80;
// Both glows are this size, so each is centred on its button.
constexpr int kGlowWidth = 2 * (kHintX + kHintWidth / 2 - kHintGlowX);
constexpr int kGlowHeight = 2 * (kHintY + kHintHeight / 2 - kHintGlowY);
static_assert(kSkipGlowX + kGlowWidth / 2 == kSkipX + kSkipWidth / 2, "skip glow off centre");
static_assert(kSkipGlowY + kGlowHeight / 2 == kSkipY + kSkipHeight / 2, "skip glow off centre");

// The hidden-object list's parchment, drawn over the inventory in hidden-object scenes. Its nine
// cells lie at canvas x 404 + 214 column, y 773 + 31 row (209 x 26 each); it must end left of the
// hint button, which it would otherwise cover.
constexpr int kCoverX = 353, kCoverY = 70;
constexpr int kCoverWidth = 704, kCoverHeight = 104;
static_assert(kCoverX + kCoverWidth <= kHintX, "the list would cover the hint button");

// Inventory slots: an item picture (72 x 72) has its top-left at (408 + 75 i, 794) on the canvas;
// eight fit before the hint button.
constexpr int kItemSize = 72;
constexpr int kSlotLeft = 408;
constexpr int kSlotStep = 75;
constexpr int kSlotTop = 900 - kItemSize - 34;
constexpr int kSlots = 8;
static_assert(kSlotLeft + kSlotStep * (kSlots - 1) + kItemSize <= kHintX, "a slot under the hint button");

// The scene text box's panels, placed at (204, 0); text wraps between x 204 and 1399.
constexpr int kPrintWidth = 1196;
constexpr int kPrintSingleHeight = 54;
constexpr int kPrintDoubleHeight = 80;
}  // namespace scene_bar

// The bar, its buttons and (in hidden-object scenes) the list's parchment, as a 1600 x 900
// overlay for previews of a scene as the player sees it.
RgbaImage sceneBarPreview(bool hiddenObject);
