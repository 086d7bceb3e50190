#pragma once
// Screens and dialogs are states: they receive input messages, run one fixed step per tick and own
// the overlays that draw them, registering those only while current (ToggleOverlays). The game
// object owns every state for the whole run.
#include <cstdint>

class LDvGame;
class LDvOverlay;

// The message interface of states (and of the secondary receiver).
class LDvMessageReceiver {
public:
    virtual ~LDvMessageReceiver() = default;

    virtual void OnChar(int character, bool shiftDown);
    virtual void OnKeyDown(int engineKeyCode, bool shiftDown);
    virtual void OnClick(int x, int y);          // left press and release with no button under the cursor
    virtual void OnRightClick(int x, int y);     // right button released
    virtual void OnMouseMove(int x, int y, bool leftDown, bool rightDown);
    virtual void OnDrag(int x, int y, int dxFromStart, int dyFromStart, int dxFromLast, int dyFromLast);
    virtual void OnDragStart(int x, int y);
    virtual void OnDragEnd(int x, int y);
    virtual void OnButton(LDvOverlay* button);   // a button overlay of this state was clicked
};

class LDvState : public LDvMessageReceiver {
public:
    virtual void OnFirstEnter();                 // once in the state's life, before its first OnEnter
    virtual void OnEnter();
    virtual void OnLeave(LDvState* next);        // next is null when leaving to nothing
    virtual void ToggleOverlays();               // register each owned overlay if not registered, else unregister
    virtual void OnIdle();                       // never called by the framework
    virtual void Update();                       // one fixed step

    int32_t tickCount = 0;                       // reset on every entry, +1 before every Update
    LDvGame* game = nullptr;                     // the game that switched to it
    bool initialised = false;                    // set before the first OnFirstEnter
};

// Marks states that run as modal dialogs.
class LDvDialog : public LDvState {};
