#include "game/scenes/adventure_bar.h"

#include "game/scenes/scene_bar_pictures.h"

AdventureBar::AdventureBar() {
    inventory.onArrived = [this](const LDvString& id) { hog.MarkFound(id); };
}

void AdventureBar::ClearForNewScene() {
    inventory.ClearHeld();
    hog.ClearEntries();
    hintDisplay.ClearStars();
}

void AdventureBar::Update() {
    inventory.Update();
    hog.OnTick(0);
}

void AdventureBar::UseBarPictures(SceneBarPictures* bar) {
    pictures = bar;
    inventory.combineGlow = bar != nullptr ? &(*bar)[SceneBarPictures::kCombineGlow] : nullptr;
    hintDisplay.stars = bar != nullptr ? &(*bar)[SceneBarPictures::kHintStars] : nullptr;
    hog.SetLook(hog.cells[0].font, bar != nullptr ? &(*bar)[SceneBarPictures::kStrikeout] : nullptr);
    if (bar == nullptr) {
        hintGlow.StopGlow();
        skipGlow.StopGlow();
    }
}
