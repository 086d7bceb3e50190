// The inventory's motion and drawing: the take animation (a pop, then a sagging flight into the
// slot), the hover that picks the tooltip's item, the combine glow around a carried item.
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "framework/core/int_cos.h"
#include "framework/core/mouse_position.h"
#include "framework/effects/bit.h"
#include "game/scenes/inventory.h"

namespace {

constexpr float kPopSwell = 1.05f;
constexpr float kFlightPixelsPerSpan = 1500.0f;
constexpr float kFlightStepsPerSpan = 75.0f;
constexpr int kFlightExtraSteps = 10;
constexpr float kFlightSag = 25.0f;
constexpr int kGlowCounterWrap = 10000;
constexpr int kDegreesInTurn = 360;
constexpr float kGlowOpacity = 0.45f;
constexpr float kGlowZoom = 0.9f;
constexpr int kGlowCopies = 4;

bool Inside(const LDvRect& box, int x, int y) { return x >= box.left && x <= box.right && y >= box.top && y <= box.bottom; }

}  // namespace

void Inventory::Take(const LDvString& id, int x, int y) {
    InventoryItem* item = AddItem(id);
    if (item == nullptr) return;
    if (item->flying) EndFlight(*item);
    StartFlight(*item, SlotOf(*item), x, y);
}

void Inventory::StartFlight(InventoryItem& item, int slot, int x, int y) {
    item.flying = true;
    item.popSteps = kPopSteps;
    item.popZoom = 1.0f;
    item.startX = item.positionX = x;
    item.startY = item.positionY = y;
    const LDvPoint slotPoint = SlotPoint(slot, item.picture->GetFrameHeight());
    item.targetX = slotPoint.x + kTargetOffset;
    item.targetY = slotPoint.y + kTargetOffset;
    const auto distance =
        static_cast<int>(std::hypot(static_cast<float>(item.targetX - x), static_cast<float>(item.targetY - y)));
    item.flightTotal = item.flightSteps =
        static_cast<int>(static_cast<float>(distance) / kFlightPixelsPerSpan * kFlightStepsPerSpan) + kFlightExtraSteps;
}

void Inventory::EndFlight(InventoryItem& item) {
    item.flying = false;
    item.flightSteps = 0;
    item.positionX = item.targetX;
    item.positionY = item.targetY;
    if (onArrived) onArrived(item.id);
}

void Inventory::Update() {
    UpdateHover();
    if (combineHighlight) StepCombineGlow();
    for (const auto& item : held) {
        if (item->flying) StepFlight(*item);
    }
}

void Inventory::StepCombineGlow() {
    glowCounter = (glowCounter + 1) % kGlowCounterWrap;
    glowAngle = glowCounter % kDegreesInTurn;
    carriedSwing = IntCos(3 * glowCounter + 90, 20);
    glowZoomOffset = IntCos(2 * glowCounter, 5);
}

void Inventory::StepFlight(InventoryItem& item) {
    if (item.popSteps > 0) {
        --item.popSteps;
        const float p = static_cast<float>(item.popSteps) / static_cast<float>(kPopSteps);
        item.popZoom = kPopSwell - std::fabs(p * 0.1f - 0.05f);
        return;
    }
    if (item.flightSteps <= 0) return;
    --item.flightSteps;
    const float t = static_cast<float>(item.flightSteps) / static_cast<float>(item.flightTotal);
    item.positionX = item.targetX + static_cast<int>(static_cast<float>(item.startX - item.targetX) * t);
    item.positionY = item.targetY + static_cast<int>(kFlightSag * std::sin(std::numbers::pi_v<float> * t) +
                                                     static_cast<float>(item.startY - item.targetY) * t);
    if (item.flightSteps == 0) EndFlight(item);
}

// A later slot wins where pictures overlap.
void Inventory::UpdateHover() {
    hovered = nullptr;
    if (hiddenObjectMode || carried != nullptr) return;
    const LDvPoint mouse = GetMousePosition();
    int slot = 0;
    for (const auto& entry : held) {
        InventoryItem& item = *entry;
        PlaceInSlot(item, slot++);
        const LDvRect bounds = item.picture->GetBounds();
        if (Inside(bounds, mouse.x, mouse.y) && !item.flying && tooltipFont != nullptr) {
            hovered = &item;
            hoveredBounds = bounds;
        }
    }
}

void Inventory::Draw() {
    if (!hiddenObjectMode) {
        int slot = 0;
        for (const auto& entry : held) {
            InventoryItem& item = *entry;
            PlaceInSlot(item, slot++);
            if (item.carried || (item.flying && item.count == 1)) continue;
            item.picture->angle = 0.0f;
            item.picture->zoom = 1.0f;
            item.picture->Draw();
        }
    }
    if (carried != nullptr) DrawCarried();
    for (const auto& item : held) {
        if (!item->flying) continue;
        SpriteLook look;
        look.zoom = item->popZoom;
        DrawCentred(*item->picture, static_cast<float>(item->positionX), static_cast<float>(item->positionY), look);
    }
}

// Eight glows turning against each other under the pointer, and the item swinging on it.
void Inventory::DrawCarried() {
    const LDvPoint mouse = GetMousePosition();
    const auto mx = static_cast<float>(mouse.x);
    const auto my = static_cast<float>(mouse.y);
    if (combineHighlight && combineGlow != nullptr) {
        SpriteLook glow;
        glow.additive = true;
        glow.opacity = kGlowOpacity;
        glow.zoom = kGlowZoom - static_cast<float>(glowZoomOffset) / 100.0f;
        const float half = static_cast<float>(glowAngle) / 2.0f;
        for (int i = 0; i < kGlowCopies; ++i) {
            const auto quarter = static_cast<float>(90 * i);
            glow.angle = quarter + half;
            DrawCentred(*combineGlow, mx, my, glow);
            glow.angle = quarter - half + 45.0f;
            DrawCentred(*combineGlow, mx, my, glow);
        }
    }
    SpriteLook look;
    look.angle = combineHighlight ? static_cast<float>(carriedSwing) : 0.0f;
    DrawCentred(*carried->picture, mx, my, look);
}
