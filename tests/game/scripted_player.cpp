#include "tests/game/scripted_player.h"

#include "engine/k_window.h"
#include "framework/core/frame_context.h"
#include "framework/core/main_loop.h"
#include "framework/ui/ldv_overlay.h"
#include "framework/ui/overlay_registry.h"

namespace {

constexpr uint32_t kFramesBetweenEvents = 2;

std::string At(int x, int y) { return std::to_string(x) + " " + std::to_string(y); }

std::vector<std::string> ClickEvents(int x, int y) {
    return {"move " + At(x, y), "down 1 " + At(x, y), "up 1 " + At(x, y)};
}

}  // namespace

bool AnswersToCurrentState(const LDvOverlay& overlay) {
    if (!overlay.registered || overlay.hidden) return false;
    for (const LDvRegistered& record : RegisteredOn(overlay.layer)) {
        if (record.overlay == &overlay) return record.owner == Frame().currentState;
    }
    return false;
}

ScriptedPlayer::ScriptedPlayer(KWindow& gameWindow) : window(gameWindow), firstFrame(gameWindow.frameNumber()) {
    input.setClockStep(0);  // the loop moves the manual clock itself: one step per frame
    window.setTestInput(&input);
    SetLoopHooks({nullptr, [this](int frame) { AfterPresent(frame); }});
}

ScriptedPlayer::~ScriptedPlayer() {
    SetLoopHooks({});
    window.setTestInput(nullptr);
}

ScriptedPlayer& ScriptedPlayer::Click(LDvOverlay& target) {
    LDvOverlay* overlay = &target;
    actions.push_back({overlay,
                       [overlay] {
                           const LDvRect bounds = overlay->GetBounds();
                           return ClickEvents((bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2);
                       },
                       nullptr});
    return *this;
}

ScriptedPlayer& ScriptedPlayer::ClickAt(int x, int y, LDvOverlay& shownWith) {
    actions.push_back({&shownWith, [x, y] { return ClickEvents(x, y); }, nullptr});
    return *this;
}

ScriptedPlayer& ScriptedPlayer::ClickWhere(const std::function<LDvPoint()>& where, LDvOverlay& shownWith) {
    actions.push_back({&shownWith,
                       [where] {
                           const LDvPoint point = where();
                           return ClickEvents(point.x, point.y);
                       },
                       nullptr});
    return *this;
}

ScriptedPlayer& ScriptedPlayer::Type(const std::string& text, bool thenReturn, LDvOverlay& shownWith) {
    std::vector<std::string> events;
    for (const char c : text) events.push_back("char " + std::to_string(static_cast<unsigned char>(c)));
    if (thenReturn) events.push_back("key 7");
    actions.push_back({&shownWith, [events] { return events; }, nullptr});
    return *this;
}

ScriptedPlayer& ScriptedPlayer::Check(const std::function<void()>& check, LDvOverlay& shownWith) {
    actions.push_back({&shownWith, nullptr, check});
    return *this;
}

ScriptedPlayer& ScriptedPlayer::Wait(uint32_t frames, LDvOverlay& shownWith) {
    actions.push_back({&shownWith, nullptr, nullptr, frames});
    return *this;
}

bool ScriptedPlayer::Idle() const { return input.pendingCount() == 0 && Frame().eventQueue.IsEmpty(); }

void ScriptedPlayer::AfterPresent(int frame) {
    if (everyFrame) everyFrame(frame);
    const uint32_t now = window.frameNumber();
    if (!timedOut && now - firstFrame >= kFrameLimit) {
        Frame().modalAbort = true;
        timedOut = true;
    }
    if (Finished() || now < notBefore || !Idle() || !AnswersToCurrentState(*actions[next].shownWith)) return;
    const Action& action = actions[next++];
    notBefore = now + action.waitFrames;
    if (action.check) action.check();
    if (!action.events) return;
    uint32_t at = now + 1;
    std::string script;
    for (const std::string& event : action.events()) {
        script += std::to_string(at) + " " + event + "\n";
        at += kFramesBetweenEvents;
    }
    input.parseScript(script);
}
