#include "framework/ui/cursor_sprite.h"

#include <array>
#include <string_view>

#include "framework/core/mouse_position.h"
#include "framework/ui/overlay_images.h"
#include "framework/ui/overlay_registry.h"

namespace {

constexpr int kSheetColumns = 6;
constexpr int kSheetRows = 3;
constexpr int kSheetFrames = 18;
constexpr int kGlowSteps = 40;             // a fresh glow fades out over this many steps
constexpr float kGlowPeakPercent = 75.0f;
constexpr int kTicksPerAnimationTick = 5;
constexpr int kAnimationCycle = 15;
constexpr float kPulseZoom = 0.15f;        // extra zoom at the top of a pulse
constexpr int kWaitTurnDegrees = 20;
constexpr int kWaitPauseTicks = 20;        // animation ticks held at half and full turns
constexpr CursorOffset kLookGlowOffset{14, 14};

struct NamedKind {
    std::string_view name;
    int kind;
};
constexpr std::array<NamedKind, 16> kKindsByName = {{
    {"ARROW", kCursorArrow}, {"HAND", kCursorHand}, {"GRAB", kCursorGrab}, {"LOOK", kCursorLook},
    {"TALK", kCursorTalk}, {"WAIT", kCursorWait}, {"BACK", kCursorBack}, {"E", kCursorEast},
    {"W", kCursorWest}, {"N", kCursorNorth}, {"S", kCursorSouth}, {"SW", kCursorSouthWest},
    {"NW", kCursorNorthWest}, {"NE", kCursorNorthEast}, {"SE", kCursorSouthEast}, {"SCROLL", kCursorScroll},
}};

// Kinds that light up with a fresh glow when they appear: the cursors that promise an action.
bool GlowsOnChange(int kind) {
    return kind == kCursorHand || kind == kCursorLook || (kind >= kCursorEast && kind <= kCursorSouthEast) ||
           kind == kCursorScroll;
}

CursorOffset SlideFor(int kind, int p) {
    switch (kind) {
    case kCursorEast: return {p, 0};
    case kCursorWest: return {-p, 0};
    case kCursorBack:
    case kCursorSouth: return {0, p};
    case kCursorNorth: return {0, -p};
    case kCursorSouthWest: return {-p, p};
    case kCursorNorthWest: return {-p, -p};
    case kCursorNorthEast: return {p, -p};
    case kCursorSouthEast: return {p, p};
    default: return {0, 0};
    }
}

CursorOffset BadgeShift(int kind) {
    switch (kind) {
    case kCursorEast: return {-10, -7};
    case kCursorWest: return {10, -7};
    case kCursorNorth: return {-7, 12};
    case kCursorSouth: return {5, -12};
    default: return {0, 0};
    }
}

}  // namespace

CursorOffset CursorHotSpot(int kind) {
    if (kind == kCursorLook) return {15, 15};
    if (kind == kCursorTalk) return {39, 46};
    if ((kind >= kCursorWait && kind <= kCursorSouthEast) || kind == kCursorScroll) return {38, 38};
    return {0, 0};
}

CursorSprite::CursorSprite() { Register(this, nullptr); }

void CursorSprite::LoadPictures() {
    LoadImage(&glow, "GUI/cursor_highlight.png", true);
    LoadFrames(this, "GUI/cursor.png", kSheetColumns, kSheetRows, kSheetFrames);
}

void CursorSprite::SetCursorName(const LDvString& cursorName) {
    if (cursorName == "HIDE_CURSOR") {
        hiddenByName = true;
        return;
    }
    hiddenByName = false;
    const LDvString wanted = cursorName.empty() ? LDvString("ARROW") : cursorName;
    if (wanted == currentName) return;
    currentName = wanted;

    const size_t bar = wanted.find('|');
    const LDvString word = wanted.substr(0, bar);
    const LDvString badge = bar == LDvString::npos ? LDvString() : wanted.substr(bar + 1);
    for (const NamedKind& entry : kKindsByName) {
        if (entry.name == word) cursorKind = entry.kind;
    }
    cursorZoom = 1.0f;
    cursorAngle = 0;
    animationPhase = 0;
    stairsBadge = badge == "STAIRS";
    doorBadge = badge == "DOOR";
    if (GlowsOnChange(cursorKind)) {
        glowCounter = kGlowSteps;
        glowOpacityPercent = static_cast<int32_t>(kGlowPeakPercent);
    }
    if (word == "LOOK") glowOffset = kLookGlowOffset;
    if (word == "HAND") glowOffset = {0, 0};
}

void CursorSprite::OnTick(int tickCount) {
    const LDvPoint mouse = GetMousePosition();
    mouseX = mouse.x;
    mouseY = mouse.y;
    x = static_cast<float>(mouseX);
    y = static_cast<float>(mouseY);

    if (glowCounter > 0) {
        --glowCounter;
        const float left = static_cast<float>(glowCounter) / kGlowSteps;
        glowOpacityPercent = static_cast<int32_t>(left * left * kGlowPeakPercent);
    }
    if (tickCount % kTicksPerAnimationTick != 0) return;
    ++animationPhase;
    if (pauseCounter > 0) {
        --pauseCounter;
        return;
    }
    Animate(animationPhase % kAnimationCycle);
}

void CursorSprite::Animate(int p) {
    switch (cursorKind) {
    case kCursorHand:
    case kCursorLook:
    case kCursorTalk:
        cursorZoom = 1.0f + static_cast<float>(p) * kPulseZoom / kAnimationCycle;
        cursorOffset = {0, 0};
        return;
    case kCursorWait:
        cursorAngle += kWaitTurnDegrees;
        if (cursorAngle >= 360) {
            cursorAngle = 0;
            pauseCounter = kWaitPauseTicks;
        } else if (cursorAngle == 180) {
            pauseCounter = kWaitPauseTicks;
        }
        return;
    default:
        cursorOffset = SlideFor(cursorKind, p);
        return;
    }
}

void CursorSprite::Draw() {
    if (hiddenByName || systemCursorMode) return;
    glow.blendMode = 1;
    glow.opacity = static_cast<float>(glowOpacityPercent) / 100.0f;
    glow.SetCentre(mouseX + glowOffset.x, mouseY + glowOffset.y);
    glow.Draw();

    const CursorOffset hot = CursorHotSpot(cursorKind);
    DrawFrame(cursorKind, {mouseX - hot.x + cursorOffset.x, mouseY - hot.y + cursorOffset.y}, cursorZoom,
              cursorAngle);
    if (!doorBadge && !stairsBadge) return;
    const CursorOffset shift = BadgeShift(cursorKind);
    DrawFrame(doorBadge ? kCursorDoorBadge : kCursorStairsBadge,
              {mouseX - hot.x + shift.x, mouseY - hot.y + shift.y}, 1.0f, 0);
}

void CursorSprite::DrawFrame(int frame, CursorOffset at, float frameZoom, int32_t frameAngle) {
    currentFrame = frame;
    zoom = frameZoom;
    angle = static_cast<float>(frameAngle);
    x = static_cast<float>(at.x);
    y = static_cast<float>(at.y);
    LDvSprite::Draw();
    x = static_cast<float>(mouseX);
    y = static_cast<float>(mouseY);
}
