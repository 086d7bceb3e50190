#include "framework/core/event_dispatch.h"

#include "engine/k_sound.h"
#include "engine/k_system.h"
#include "engine/k_window.h"
#include "framework/core/display_scale.h"
#include "framework/core/frame_context.h"
#include "framework/core/ldv_game.h"
#include "framework/core/ldv_state.h"
#include "framework/core/mouse_position.h"
#include "framework/ui/overlay_registry.h"

namespace {

// Fewer drag messages than this between press and release still count as a click.
constexpr int kClickMoveLimit = 10;

PhysicalMouseButtons& Buttons() {
    static PhysicalMouseButtons buttons{nullptr, nullptr};
    return buttons;
}

// The engine reports the buttons as they are after every event of the frame was pumped. A release
// still waiting in the queue means the button was down when the event in hand happened; without
// this a press and release arriving in one frame (a touchpad tap) would never make a click.
bool ReleaseQueued(int32_t button) {
    for (const KEvent& event : Frame().eventQueue) {
        if (event.type == K_EVENT_MOUSEUP && event.buttonIndex == button) return true;
    }
    return false;
}

bool PhysicalLeftDown() {
    return (Buttons().leftDown ? Buttons().leftDown() : isLeftButtonDown()) || ReleaseQueued(K_BUTTON_LEFT);
}

bool PhysicalRightDown() {
    return (Buttons().rightDown ? Buttons().rightDown() : isRightButtonDown()) || ReleaseQueued(K_BUTTON_RIGHT);
}

bool IsMouseEvent(int32_t type) {
    return type == K_EVENT_MOUSEMOVE || type == K_EVENT_MOUSEUP || type == K_EVENT_MOUSEDOWN;
}

// Window pixels to canvas pixels.
int Canvas(int value) {
    const FrameContext& frame = Frame();
    return frame.displayScaled ? static_cast<int>(static_cast<float>(value) * frame.inverseDisplayScale) : value;
}

// Messages go to the secondary dialog first, then to the current state.
template <typename Message>
void Send(Message message) {
    if (LDvDialog* secondary = Frame().secondary) message(*secondary);
    if (LDvState* current = Frame().currentState) message(*current);
}

void TrackButtons(const KEvent& event, MouseTracking& mouse) {
    const bool pressed = event.type == K_EVENT_MOUSEDOWN;
    if (event.type == K_EVENT_MOUSEDOWN || event.type == K_EVENT_MOUSEUP) {
        if (event.buttonIndex == K_BUTTON_LEFT) mouse.leftDown = pressed;
        if (event.buttonIndex == K_BUTTON_RIGHT) mouse.rightDown = pressed;
    }
    if (!PhysicalLeftDown()) mouse.leftDown = false;
}

bool HandleRightClick(int x, int y, MouseTracking& mouse) {
    if (PhysicalRightDown() && mouse.rightDown) return false;
    mouse.rightDown = false;
    if (!mouse.previousRight) return false;
    Send([&](LDvMessageReceiver& r) { r.OnRightClick(Canvas(x), Canvas(y)); });
    return true;
}

// The buttons poll the mouse each step, which by then may show a press as already released.
void ShowPressToButtons(const KEvent& event, const MouseTracking& mouse) {
    if (event.type != K_EVENT_MOUSEDOWN || event.buttonIndex != K_BUTTON_LEFT || !mouse.leftDown) return;
    const DispatchedLeftButton held(true);
    ShowPressToButtons(Frame().currentState);
}

LDvOverlay* FindReleasedButton() {
    const DispatchedLeftButton released(false);
    return FindClickedButton(Frame().currentState);
}

bool HandleLeftClick(int x, int y, const MouseTracking& mouse) {
    if (mouse.leftDown || !mouse.previousLeft || mouse.moveCount >= kClickMoveLimit) return false;
    if (LDvOverlay* button = FindReleasedButton()) {
        Send([&](LDvMessageReceiver& r) { r.OnButton(button); });
    } else {
        Send([&](LDvMessageReceiver& r) { r.OnClick(Canvas(x), Canvas(y)); });
    }
    return true;
}

void HandleDrag(int x, int y, MouseTracking& mouse) {
    if (mouse.dragging && !mouse.leftDown) {
        mouse.moveCount = 0;
        Send([&](LDvMessageReceiver& r) { r.OnDragEnd(Canvas(x), Canvas(y)); });
        mouse.dragging = false;
    }
    if (mouse.leftDown && !mouse.dragging && (x != mouse.lastX || y != mouse.lastY)) {
        Send([&](LDvMessageReceiver& r) { r.OnDragStart(Canvas(x), Canvas(y)); });
        mouse.lastDragX = mouse.dragOriginX = x;
        mouse.lastDragY = mouse.dragOriginY = y;
        mouse.moveCount = 0;
        mouse.dragging = true;
    }
    if (!mouse.dragging) return;
    const int fromStartX = Canvas(x - mouse.dragOriginX), fromStartY = Canvas(y - mouse.dragOriginY);
    const int fromLastX = Canvas(x - mouse.lastDragX), fromLastY = Canvas(y - mouse.lastDragY);
    Send([&](LDvMessageReceiver& r) {
        r.OnDrag(Canvas(x), Canvas(y), fromStartX, fromStartY, fromLastX, fromLastY);
    });
    mouse.lastDragX = x;
    mouse.lastDragY = y;
    ++mouse.moveCount;
}

void DispatchMouse(const KEvent& event) {
    MouseTracking& mouse = Frame().mouse;
    const int x = event.mouseX;
    const int y = event.mouseY;
    TrackButtons(event, mouse);
    ShowPressToButtons(event, mouse);
    bool handled = HandleRightClick(x, y, mouse);
    handled = HandleLeftClick(x, y, mouse) || handled;
    HandleDrag(x, y, mouse);
    mouse.previousRight = mouse.rightDown;
    mouse.lastX = x;
    mouse.lastY = y;
    mouse.previousLeft = mouse.leftDown;
    if (!handled) {
        const bool left = mouse.leftDown, right = mouse.rightDown;
        Send([&](LDvMessageReceiver& r) { r.OnMouseMove(Canvas(x), Canvas(y), left, right); });
    }
}

bool IsShiftKey(int32_t keyCode) { return keyCode == K_KEY_LSHIFT || keyCode == K_KEY_SHIFT; }

bool IsControlKey(int32_t keyCode) { return keyCode == K_KEY_CONTROL || keyCode == K_KEY_LCONTROL; }

void DispatchOther(const KEvent& event) {
    MouseTracking& mouse = Frame().mouse;
    switch (event.type) {
        case K_EVENT_CHAR: {
            const int character = event.typedCharacter();
            const bool shift = mouse.shiftDown;
            Send([&](LDvMessageReceiver& r) { r.OnChar(character, shift); });
            break;
        }
        case K_EVENT_KEYDOWN: {
            if (IsShiftKey(event.keyCode)) mouse.shiftDown = true;
            if (IsControlKey(event.keyCode)) mouse.controlDown = true;
            const bool shift = mouse.shiftDown;
            Send([&](LDvMessageReceiver& r) { r.OnKeyDown(event.keyCode, shift); });
            break;
        }
        case K_EVENT_KEYUP:
            if (IsShiftKey(event.keyCode)) mouse.shiftDown = false;
            if (IsControlKey(event.keyCode)) mouse.controlDown = false;
            break;
        case K_EVENT_ACTIVATED:
        case K_EVENT_DEACTIVATED:
            // A key released while another window had the focus never reports its release here.
            mouse.controlDown = false;
            if (LDvGame* game = Frame().game) game->OnFocusChange(event.type == K_EVENT_ACTIVATED);
            break;
        default:
            break;  // touch, gesture and the rest are not used
    }
}

}  // namespace

bool GameEventHandler(KEvent* event) {
    if (event == nullptr) return true;
    switch (event->type) {
        case K_EVENT_ACTIVATED:
            KSound::resumeAllSounds();
            break;
        case K_EVENT_DEACTIVATED:
            KSound::suspendAllSounds();
            break;
        case K_EVENT_RESIZED:
            FollowWindowSize();  // at once: the mouse events pumped after it are in the new area's pixels
            return true;
        case 0:
        case K_EVENT_MOUSEMOVE:
        case K_EVENT_MOUSEUP:
        case K_EVENT_MOUSEDOWN:
        case K_EVENT_CHAR:
        case K_EVENT_KEYDOWN:
        case K_EVENT_KEYUP:
        case K_EVENT_TOUCH:
        case K_EVENT_GESTURE:
            break;
        default:
            return true;  // wheel, double click, context menu and raw characters are not used
    }
    Frame().eventQueue.Add(*event);
    return true;
}

void DispatchEvents() {
    FrameContext& frame = Frame();
    while (!frame.eventQueue.IsEmpty()) {
        const KEvent event = frame.eventQueue.Head();
        if (IsMouseEvent(event.type) && frame.currentState == nullptr) return;
        frame.eventQueue.Erase(frame.eventQueue.begin());
        if (IsMouseEvent(event.type)) {
            DispatchMouse(event);
        } else {
            DispatchOther(event);
        }
    }
}

void ResetMouseTracking() {
    MouseTracking& mouse = Frame().mouse;
    mouse.previousLeft = false;
    mouse.lastX = mouse.lastY = 0;
    mouse.dragOriginX = mouse.dragOriginY = 0;
    mouse.lastDragX = mouse.lastDragY = 0;
    mouse.moveCount = 0;
    mouse.dragging = false;
}

void SetPhysicalMouseButtonsForTesting(PhysicalMouseButtons buttons) { Buttons() = buttons; }
