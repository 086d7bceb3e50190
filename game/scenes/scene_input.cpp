// The scene's input: the pointer's shape, clicks on the bar and on sections, drags and the bar's
// buttons, each handed on to the script's entry points.
#include "framework/core/black_out.h"
#include "framework/ui/cursor_sprite.h"
#include "game/app/game_view.h"
#include "game/scenes/scene.h"

namespace {

constexpr int kCanvasHeight = 900;
constexpr int kSkipQuestionText = 73;
constexpr int kQuitQuestionText = 76;

}  // namespace

void Scene::OnMouseMove(int x, int y, bool, bool) {
    CursorSprite& cursor = game.Cursor();
    if (parts->IsCarrying()) {
        // The carried item follows the pointer instead; the glow keeps its answer off sections.
        cursor.Hide();
        if (const Section* section = SectionAt(x, y)) {
            parts->SetCombineHighlight(script.CanCombine(parts->CarriedId(), section->name));
        }
        return;
    }
    cursor.Show();
    if (waiting) {
        cursor.SetCursorName("WAIT");
        return;
    }
    if (y > kCanvasHeight - kBarPointerHeight) {
        cursor.SetCursorName("ARROW");
        return;
    }
    const Section* section = SectionAt(x, y);
    const LDvString shape = script.OnCursor(x, y, section != nullptr ? section->name : LDvString());
    cursor.SetCursorName(section != nullptr ? shape : LDvString("ARROW"));
}

void Scene::OnClick(int x, int y) {
    if (waiting) return;
    if (parts->OfferClick(x, y)) {
        if (parts->IsCarrying()) CloseTutorialTip();
        return;
    }
    if (parts->IsCarrying()) {
        parts->ClearStars();
        if (const Section* section = SectionAt(x, y)) {
            // The script takes, removes or returns the item; until then it stays carried.
            script.OnCombine(parts->CarriedId(), section->name);
        } else {
            parts->ReturnCarried();
            game.Cursor().Show();
        }
        return;
    }
    CloseTutorialTip();
    parts->ReturnCarried();
    game.Cursor().Show();
    textBox.Clear();
    const Section* section = SectionAt(x, y);
    const LDvString hit = section != nullptr ? section->name : LDvString();
    script.OnLeftClick(x, y);
    if (section == nullptr) return;
    parts->ClearStars();
    script.OnInteract(hit);
}

void Scene::OnDragStart(int x, int y) { script.StartDrag(x, y); }

void Scene::OnDragEnd(int x, int y) { script.EndDrag(x, y); }

void Scene::OnDrag(int x, int y, int, int, int, int) { script.OnDrag(x, y); }

void Scene::OnButton(LDvOverlay* button) {
    if (waiting || FadeBusy()) return;
    if (button == &menuButton) {
        OpenMenu();
    } else if (button == &hintButton) {
        parts->UseHint(*this);
    } else if (button == &skipButton) {
        if (askYesNo && askYesNo(kSkipQuestionText)) FinishScene();
    }
}

// Quitting keeps the scene's name for the title to resume it.
void Scene::OpenMenu() {
    if (!runMenu || !runMenu()) return;
    if (!askYesNo || !askYesNo(kQuitQuestionText)) return;
    parts->ReturnCarried();
    parts->SaveAdventure(*this);
    game.ScreenFade().FadeToState(false, &TitleState());
}

void Scene::SetWaiting(bool on) {
    waiting = on;
    menuButton.isButton = !on;
}
