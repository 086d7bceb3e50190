#pragma once
// States that write every message and life-cycle call they receive into a shared journal.
#include <functional>
#include <string>
#include <vector>

#include "framework/core/ldv_state.h"

using Journal = std::vector<std::string>;

class RecordingState : public LDvDialog {
public:
    RecordingState(const char* stateName, Journal& journal) : name(stateName), journal(journal) {}

    void OnChar(int c, bool shift) override { Note("char " + std::to_string(c) + Shift(shift)); }
    void OnKeyDown(int key, bool shift) override { Note("key " + std::to_string(key) + Shift(shift)); }
    void OnClick(int x, int y) override { Note("click " + At(x, y)); }
    void OnRightClick(int x, int y) override { Note("right-click " + At(x, y)); }
    void OnMouseMove(int x, int y, bool left, bool right) override {
        Note("move " + At(x, y) + " " + (left ? "L" : "-") + (right ? "R" : "-"));
    }
    void OnDrag(int x, int y, int dx, int dy, int lx, int ly) override {
        Note("drag " + At(x, y) + " " + At(dx, dy) + " " + At(lx, ly));
    }
    void OnDragStart(int x, int y) override { Note("drag-start " + At(x, y)); }
    void OnDragEnd(int x, int y) override { Note("drag-end " + At(x, y)); }
    void OnButton(LDvOverlay*) override { Note("button"); }
    void OnFirstEnter() override { Note("first-enter"); }
    void OnEnter() override { Note("enter"); }
    void OnLeave(LDvState* next) override {
        Note(std::string("leave ") + (next ? static_cast<RecordingState*>(next)->name : "none"));
    }
    void ToggleOverlays() override { Note("toggle"); }
    void Update() override {
        ++updates;
        if (onUpdate) onUpdate();
    }

    std::string name;
    int updates = 0;
    std::function<void()> onUpdate;

private:
    void Note(const std::string& text) { journal.push_back(name + ":" + text); }
    static std::string At(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
    static std::string Shift(bool shift) { return shift ? " shift" : ""; }

    Journal& journal;
};
