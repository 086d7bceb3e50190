#include "framework/ui/overlay_registry.h"

#include <array>

#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"
#include "framework/ui/ldv_clickable.h"
#include "framework/ui/ldv_overlay.h"

namespace {

constexpr int kShakeTableSize = 20;
constexpr int kShakeEveryNthStep = 3;
constexpr int kShakeX[kShakeTableSize] = {-1, 1, 3, 0, 2, 1, 0, 3, -2, -3, -1, 0, 1, -2, -3, 1, -3, -2, 1, 0};
constexpr int kShakeY[kShakeTableSize] = {0, 2, 1, 0, -2, 1, 3, 2, -1, 0, -1, 0, 2, -2, -1, 1, 2, -3, 1, 0};

using LayerLists = std::array<LDvList<LDvRegistered>, kOverlayLayers>;

// Never destroyed: overlays that outlive static destruction order (globals of other files) may
// still unregister themselves safely.
LayerLists& Layers() {
    static LayerLists& lists = *new LayerLists;
    return lists;
}

int walkDepth = 0;          // nested walks (an Update may draw or search)
bool blankedRecords = false;
ScreenShake shake;

int LayerIndex(const LDvOverlay& overlay) {
    if (overlay.layer >= 0 && overlay.layer < kOverlayLayers) return overlay.layer;
    Log("overlay layer out of range: " + std::to_string(overlay.layer));
    return overlay.layer < 0 ? 0 : kOverlayLayers - 1;
}

void SweepBlankedRecords() {
    for (LDvList<LDvRegistered>& list : Layers()) {
        list.RemoveIf([](const LDvRegistered& r) { return r.overlay == nullptr; });
    }
    blankedRecords = false;
}

// While a walk runs, records are blanked instead of erased so the walk's iterators stay valid.
class WalkGuard {
public:
    WalkGuard() { ++walkDepth; }
    ~WalkGuard() {
        if (--walkDepth == 0 && blankedRecords) SweepBlankedRecords();
    }
    WalkGuard(const WalkGuard&) = delete;
    WalkGuard& operator=(const WalkGuard&) = delete;
};

bool RemoveRecord(LDvList<LDvRegistered>& list, const LDvOverlay* overlay) {
    for (auto it = list.begin(); it != list.end(); ++it) {
        if (it->overlay != overlay) continue;
        if (walkDepth > 0) {
            it->overlay = nullptr;
            blankedRecords = true;
        } else {
            list.Erase(it);
        }
        return true;
    }
    return false;
}

void StepScreenShake() {
    if (shake.remaining <= 0) return;
    --shake.remaining;
    ++shake.phase;
    FrameContext& frame = Frame();
    if (shake.phase % kShakeEveryNthStep == 0) {
        const int entry = shake.remaining % kShakeTableSize;
        frame.drawOffsetX = kShakeX[entry] * shake.amplitude;
        frame.drawOffsetY = kShakeY[entry] * shake.amplitude;
    }
    if (shake.remaining == 0) {
        frame.drawOffsetX = 0;
        frame.drawOffsetY = 0;
        shake.phase = 0;
    }
}

}  // namespace

void Register(LDvOverlay* overlay, LDvState* owner) {
    if (overlay == nullptr) return;
    // One record per overlay: a second record would outlive the overlay's own unregistering.
    if (overlay->registered) Unregister(overlay);
    Layers()[LayerIndex(*overlay)].Add(LDvRegistered{overlay, owner});
    overlay->registered = true;
}

void Unregister(LDvOverlay* overlay) {
    if (overlay == nullptr) return;
    // The layer field may have been changed behind SetLayer's back; then the record is elsewhere.
    if (!RemoveRecord(Layers()[LayerIndex(*overlay)], overlay)) {
        for (LDvList<LDvRegistered>& list : Layers()) {
            if (RemoveRecord(list, overlay)) break;
        }
    }
    overlay->registered = false;
}

void SetLayer(LDvOverlay* overlay, int layer) {
    if (overlay == nullptr) return;
    if (overlay->registered && layer != overlay->layer) {
        Unregister(overlay);
        overlay->layer = layer;
        Register(overlay, Frame().currentState);
        return;
    }
    overlay->layer = layer;
}

void DrawOverlays() {
    WalkGuard guard;
    for (LDvList<LDvRegistered>& list : Layers()) {
        for (const LDvRegistered& record : list) {
            if (record.overlay != nullptr && !record.overlay->hidden) record.overlay->Draw();
        }
    }
}

void UpdateOverlays() {
    {
        WalkGuard guard;
        for (LDvList<LDvRegistered>& list : Layers()) {
            for (const LDvRegistered& record : list) {
                if (record.overlay == nullptr) continue;
                // Read each time: an overlay's Update may switch states (the black-out does).
                if (record.owner == nullptr || record.owner == Frame().currentState) record.overlay->Update();
            }
        }
    }
    StepScreenShake();
}

void StartScreenShake(int steps, int amplitude) {
    shake.remaining = steps;
    shake.amplitude = amplitude;
}

const ScreenShake& CurrentScreenShake() { return shake; }

LDvOverlay* FindClickedButton(LDvState* owner) {
    WalkGuard guard;
    for (LDvList<LDvRegistered>& list : Layers()) {
        for (const LDvRegistered& record : list) {
            LDvOverlay* overlay = record.overlay;
            if (overlay == nullptr || record.owner != owner || !overlay->enabled) continue;
            auto* button = dynamic_cast<LDvClickable*>(overlay);
            if (button == nullptr || !button->IsButton()) continue;
            button->UpdateHover();
            if (button->IsClicked()) return overlay;
        }
    }
    return nullptr;
}

void ShowPressToButtons(LDvState* owner) {
    WalkGuard guard;
    for (LDvList<LDvRegistered>& list : Layers()) {
        for (const LDvRegistered& record : list) {
            if (record.overlay == nullptr || record.owner != owner) continue;
            auto* button = dynamic_cast<LDvClickable*>(record.overlay);
            if (button != nullptr && button->IsButton()) button->UpdateHover();
        }
    }
}

const LDvList<LDvRegistered>& RegisteredOn(int layer) {
    if (layer < 0) layer = 0;
    if (layer >= kOverlayLayers) layer = kOverlayLayers - 1;
    return Layers()[layer];
}
