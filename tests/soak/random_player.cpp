#include "tests/soak/random_player.h"

#include <algorithm>

#include "engine/k_event.h"
#include "engine/k_window.h"
#include "framework/core/frame_context.h"
#include "framework/core/ldv_state.h"
#include "framework/ui/ldv_clickable.h"
#include "framework/ui/ldv_overlay.h"
#include "framework/ui/overlay_registry.h"

namespace {

// A button sees the pointer over it, the press and the release on separate steps.
constexpr uint32_t kFramesBetweenEvents = 2;
// Pointers stray this far past the window's edges, as a drag that leaves the window does.
constexpr int kStrayMargin = 200;
// Percent weights of the actions; what is left over is a pause.
constexpr int kButtonWeight = 45;
constexpr int kClickWeight = 14;
constexpr int kRightClickWeight = 3;
constexpr int kDoubleClickWeight = 5;
constexpr int kDragWeight = 12;
constexpr int kKeyWeight = 7;
constexpr int kTypeWeight = 5;
constexpr int kFocusWeight = 2;
constexpr int kWheelWeight = 3;
constexpr int kLongestPause = 90;  // frames

// Escape, Return, Space, arrows, Tab, Backspace, Delete, F1..F12, letters and digits.
constexpr int kMashedKeys[] = {K_KEY_ESCAPE, K_KEY_RETURN, K_KEY_SPACE, K_KEY_LEFT, K_KEY_UP, K_KEY_DOWN,
                               K_KEY_RIGHT, K_KEY_TAB, K_KEY_BACKSPACE, K_KEY_DELETE, K_KEY_F1, K_KEY_F1 + 11,
                               K_KEY_A, K_KEY_A + 16, K_KEY_A + 25, K_KEY_0, K_KEY_0 + 9, K_KEY_SHIFT};

std::string At(int x, int y) { return std::to_string(x) + " " + std::to_string(y); }

bool AnswersNow(const LDvRegistered& record) {
    const FrameContext& frame = Frame();
    if (record.overlay == nullptr || record.overlay->hidden || !record.overlay->enabled) return false;
    const auto* button = dynamic_cast<const LDvClickable*>(record.overlay);
    if (button == nullptr || !button->IsButton()) return false;
    return record.owner == frame.currentState ||
           (record.owner != nullptr && record.owner == static_cast<LDvState*>(frame.secondary));
}

}  // namespace

RandomPlayer::RandomPlayer(KWindow& window, uint32_t seed) : random(seed) {
    input.setClockStep(0);  // the loop moves the manual clock itself: one step per frame
    window.setTestInput(&input);
}

int RandomPlayer::Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

RandomPlayer::Spot RandomPlayer::AnySpot(bool mayLeaveWindow) {
    const int margin = mayLeaveWindow ? kStrayMargin : 0;
    return {Between(-margin, Frame().width - 1 + margin), Between(-margin, Frame().height - 1 + margin)};
}

void RandomPlayer::AfterPresent(uint32_t frame) {
    if (frame < notBefore || input.pendingCount() != 0) return;
    QueueAction(frame);
}

void RandomPlayer::QueueAction(uint32_t frame) {
    std::vector<std::string> lines;
    int roll = Between(0, 99);
    const auto take = [&roll](int weight) {
        roll -= weight;
        return roll < 0;
    };
    if (take(kButtonWeight)) ClickButton(lines);
    else if (take(kClickWeight)) ClickSomewhere(lines, K_BUTTON_LEFT);
    else if (take(kRightClickWeight)) ClickSomewhere(lines, K_BUTTON_RIGHT);
    else if (take(kDoubleClickWeight)) DoubleClick(lines);
    else if (take(kDragWeight)) Drag(lines);
    else if (take(kKeyWeight)) MashKeys(lines);
    else if (take(kTypeWeight)) TypeText(lines);
    else if (take(kFocusWeight)) ToggleFocus(lines);
    else if (take(kWheelWeight)) TurnWheel(lines);
    notBefore = frame + static_cast<uint32_t>(lines.empty() ? Between(1, kLongestPause) : Between(1, 12));
    if (lines.empty()) return;
    ++actions;
    std::string script;
    uint32_t at = frame + 1;
    for (const std::string& line : lines) {
        // An empty line stands for a pause of a few frames inside the action.
        if (!line.empty()) script += std::to_string(at) + " " + line + "\n";
        at += kFramesBetweenEvents;
    }
    input.parseScript(script);
}

void RandomPlayer::ClickButton(std::vector<std::string>& lines) {
    std::vector<LDvOverlay*> buttons;
    for (int layer = 0; layer < kOverlayLayers; ++layer) {
        for (const LDvRegistered& record : RegisteredOn(layer)) {
            if (AnswersNow(record)) buttons.push_back(record.overlay);
        }
    }
    if (buttons.empty()) {
        ClickSomewhere(lines, K_BUTTON_LEFT);
        return;
    }
    const LDvRect box = buttons[static_cast<size_t>(Between(0, static_cast<int>(buttons.size()) - 1))]->GetBounds();
    const int x = Between(std::min(box.left, box.right), std::max(box.left, box.right));
    const int y = Between(std::min(box.top, box.bottom), std::max(box.top, box.bottom));
    lines = {"move " + At(x, y), "down 1 " + At(x, y), "up 1 " + At(x, y)};
}

void RandomPlayer::ClickSomewhere(std::vector<std::string>& lines, int button) {
    const Spot spot = AnySpot(false);
    const std::string b = std::to_string(button) + " ";
    lines = {"move " + At(spot.x, spot.y), "down " + b + At(spot.x, spot.y), "up " + b + At(spot.x, spot.y)};
}

void RandomPlayer::DoubleClick(std::vector<std::string>& lines) {
    const Spot spot = AnySpot(false);
    lines = {"move " + At(spot.x, spot.y), "down 1 " + At(spot.x, spot.y), "up 1 " + At(spot.x, spot.y),
             "dblclick 1 " + At(spot.x, spot.y), "up 1 " + At(spot.x, spot.y)};
}

void RandomPlayer::Drag(std::vector<std::string>& lines) {
    const Spot from = AnySpot(false);
    const bool leaves = Between(0, 3) == 0;
    const Spot to = leaves ? AnySpot(true) : Spot{from.x + Between(-120, 120), from.y + Between(-120, 120)};
    lines = {"move " + At(from.x, from.y), "down 1 " + At(from.x, from.y)};
    const int steps = Between(1, 6);
    for (int i = 1; i <= steps; ++i) {
        lines.push_back("move " + At(from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps));
    }
    lines.push_back("up 1 " + At(to.x, to.y));
}

void RandomPlayer::MashKeys(std::vector<std::string>& lines) {
    const int count = Between(1, 5);
    for (int i = 0; i < count; ++i) {
        const int key = kMashedKeys[Between(0, static_cast<int>(std::size(kMashedKeys)) - 1)];
        lines.push_back("key " + std::to_string(key));
    }
}

void RandomPlayer::TypeText(std::vector<std::string>& lines) {
    const int count = Between(1, 24);
    for (int i = 0; i < count; ++i) {
        // Mostly printable text, now and then a control character or one beyond ASCII.
        const int roll = Between(0, 19);
        const int code = roll == 0 ? Between(1, 31) : roll == 1 ? Between(128, 0x2FFF) : Between(32, 126);
        lines.push_back("char " + std::to_string(code));
    }
    if (Between(0, 1) == 0) lines.push_back("key " + std::to_string(K_KEY_RETURN));
}

void RandomPlayer::ToggleFocus(std::vector<std::string>& lines) {
    lines = {"focus 0"};
    const int pause = Between(0, 20);
    for (int i = 0; i < pause; ++i) lines.emplace_back();
    lines.emplace_back("focus 1");
}

void RandomPlayer::TurnWheel(std::vector<std::string>& lines) {
    const Spot spot = AnySpot(false);
    lines = {"move " + At(spot.x, spot.y)};
    const int notches = Between(1, 4);
    const int delta = Between(0, 1) == 0 ? 120 : -120;
    for (int i = 0; i < notches; ++i) lines.push_back("wheel " + std::to_string(delta));
}
