#include "framework/core/frame_pacer.h"

#include "engine/k_clock.h"
#include "engine/k_window.h"

namespace {

uint32_t Since(uint32_t now, uint32_t then) { return now - then; }  // the clock wraps

}  // namespace

bool FramePacer::ShouldDraw(KWindow& window, const std::function<void()>& draw, bool enabled) {
    if (!enabled || !shownAny) {
        holding = false;
        return true;
    }
    const uint32_t age = Since(getMilliseconds(), shownAt);
    if (age >= kRefreshMilliseconds) return true;
    const bool background = !window.hasFocus() || window.isMinimised();
    if (background && age < kBackgroundFrameMilliseconds) return false;
    if (!holding) return true;
    if (!Probe(window, draw)) return false;
    holding = false;
    return true;
}

// Draws the frame without drawing anything: only its signature is taken, then the window's
// signature is put back as it was, for the real frame to start from.
bool FramePacer::Probe(KWindow& window, const std::function<void()>& draw) const {
    const FrameSignature before = window.signature();
    window.setProbing(true);
    draw();
    window.setProbing(false);
    const uint64_t probed = window.signature().value();
    window.signature() = before;
    return probed != shownSignature;
}

void FramePacer::Drawn(uint64_t signature) {
    holding = shownAny && signature == shownSignature;
    shownAny = true;
    shownSignature = signature;
    shownAt = getMilliseconds();
}

void FramePacer::Reset() {
    holding = false;
    shownAny = false;
}
