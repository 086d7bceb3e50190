#pragma once
// One item of the adventure inventory: a definition read at start-up (one per picture of the
// "inventory" folder), or a held copy of one, which shows the definition's picture through its own
// overlay and carries the take animation's state.
#include <cstdint>
#include <memory>

#include "framework/core/ldv_string.h"
#include "framework/ui/ldv_overlay.h"

struct InventoryItem {
    LDvString id;                        // upper case
    LDvString description;
    std::unique_ptr<LDvSprite> picture;  // shares the definition's picture
    int32_t count = 1;                   // how many are held
    int32_t secondCount = 1;             // kept with the item; nothing reads it
    bool carried = false;
    bool flying = false;
    int32_t startX = 0, startY = 0;
    int32_t positionX = 0, positionY = 0;
    int32_t targetX = 0, targetY = 0;
    float popZoom = 1.0f;
    int32_t popSteps = 0;
    int32_t flightSteps = 0;
    int32_t flightTotal = 0;
};
