#include "game/scenes/scene.h"

#include "framework/core/black_out.h"
#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"
#include "framework/core/state_control.h"
#include "framework/data/localization.h"
#include "framework/data/player_profiles.h"
#include "framework/ui/cursor_sprite.h"
#include "framework/ui/ldv_named_sounds.h"
#include "framework/ui/overlay_images.h"
#include "framework/ui/overlay_registry.h"
#include "game/app/game_view.h"
#include "game/expedition/tip_dialog.h"

namespace {

constexpr int kCanvasHeight = 900;

// The bar's pieces, relative to the bar picture's top-left corner.
constexpr LDvPoint kHogCoverAt{353, 70};
constexpr LDvPoint kMenuButtonAt{261, 66};
constexpr LDvPoint kHintButtonAt{1069, 58};
constexpr LDvPoint kSkipButtonAt{1141, 134};
constexpr LDvPoint kHintGlowAt{1027, 17};
constexpr LDvPoint kSkipGlowAt{1112, 80};

constexpr const char* kSavedAtSceneKey = "SAVED_AT_ADVENTURE_SCENE";

// The tutorial tips of the first adventure scene.
constexpr const char* kTutorialScene = "god_of_air";
constexpr const char* kTipsSection = "TIPS";
struct TutorialTip {
    const char* key;
    int text;
    LDvPoint point;
    bool below;
    const char* neededItem;  // shown only once the inventory holds it; null: always
};
constexpr TutorialTip kTutorialTips[] = {
    {"ADVENTURE_CLICK", 71, {1135, 138}, true, nullptr},
    {"INVENTORY_CLICK", 72, {446, 784}, false, "BRANCH"},
};

AdventureParts& NoParts() {
    static AdventureParts none;
    return none;
}

void PlaceButton(LDvButton& button, LDvSprite& picture, int x, int y, bool acting) {
    SharePicture(&button, &picture);
    button.kind = kButtonKindGlow;
    button.SetPosition(x, y);
    button.enabled = true;
    button.hidden = false;
    button.isButton = acting;
    button.pressed = button.armed = button.clicked = false;
}

void Place(LDvOverlay* overlay, int x, int y) {
    if (overlay != nullptr) overlay->SetPosition(x, y);
}

}  // namespace

Scene::Scene(GameView& view, ScriptHost& host) : parts(&NoParts()), script(host), game(view) {}

LDvState& Scene::MapState() { return mapState != nullptr ? *mapState : game.MapState(); }

LDvState& Scene::TitleState() {
    if (titleState != nullptr) return *titleState;
    LDvState* title = game.TitleState();
    return title != nullptr ? *title : MapState();
}

Section* Scene::FindSceneSection(const LDvString& sectionName, bool includeInactive) const {
    Section* section = content.FindSection(sectionName, includeInactive);
    if (section == nullptr) Log("Warning : Section not found or inactive [" + sectionName + "]");
    return section;
}

void Scene::DrawContent() {
    content.Draw([this] {
        for (const auto& effect : playingEffects) effect->Draw();
        for (const auto& overlay : sceneOverlays) overlay->Draw();
    });
    textBox.Draw();
}

void Scene::OnFirstEnter() { drawScene.scene = this; }

void Scene::OnEnter() {
    sceneFinished = false;
    parts->SaveAdventure(*this);
    script.OnEnter();
    parts->SetHiddenObjectMode(IsHiddenObjectScene());
    ShowBar();
    if (IsPlayerSelected() && GetPlayerInt(nullptr, kSavedAtSceneKey, 0) != 0) {
        SetPlayerValue(nullptr, kSavedAtSceneKey, "0");
        parts->RestoreAdventure();
    }
    game.ScreenFade().FadeFromBlack();
    textBox.Clear();
    parts->StartRecharges(*this);
}

void Scene::OnLeave(LDvState* next) {
    if (sceneFinished && IsPlayerSelected()) SetPlayerValue(nullptr, kSavedAtSceneKey, "0");
    // The game is closing (no next state): the scene is kept for the title, as the menu's Quit keeps it.
    if (next == nullptr && !sceneFinished) {
        parts->ReturnCarried();
        parts->SaveAdventure(*this);
    }
    script.OnLeave();
    StopList(game.NamedAmbience());
    StopList(game.NamedEffects());
    playingEffects.Clear();
    sceneOverlays.Clear();
    HideBar();
    // A scene left while an item was carried must not leave the next screen without a pointer.
    game.Cursor().Show();
    game.Cursor().SetCursorName("ARROW");
}

void Scene::ShowBar() {
    bar.Load();
    PlaceBar();
    textBox.SetPanels(&bar[SceneBarPictures::kPrintBackSingle], &bar[SceneBarPictures::kPrintBackDouble]);
    parts->UseBarPictures(&bar);
}

void Scene::PlaceBar() {
    LDvSprite& strip = bar[SceneBarPictures::kBar];
    const int bx = 0;
    const int by = kCanvasHeight - strip.GetFrameHeight();
    strip.SetPosition(bx, by);
    bar[SceneBarPictures::kHogCover].SetPosition(bx + kHogCoverAt.x, by + kHogCoverAt.y);
    PlaceButton(menuButton, bar[SceneBarPictures::kMenuButton], bx + kMenuButtonAt.x, by + kMenuButtonAt.y, !waiting);
    PlaceButton(hintButton, bar[SceneBarPictures::kHintButton], bx + kHintButtonAt.x, by + kHintButtonAt.y, false);
    PlaceButton(skipButton, bar[SceneBarPictures::kSkipButton], bx + kSkipButtonAt.x, by + kSkipButtonAt.y, false);
    bar[SceneBarPictures::kGreyHint].SetPosition(bx + kHintButtonAt.x, by + kHintButtonAt.y);
    bar[SceneBarPictures::kGreySkip].SetPosition(bx + kSkipButtonAt.x, by + kSkipButtonAt.y);
    Place(parts->HintGlow(), bx + kHintGlowAt.x, by + kHintGlowAt.y);
    Place(parts->SkipGlow(), bx + kSkipGlowAt.x, by + kSkipGlowAt.y);
}

// The buttons share the bar's pictures; they let go of them too.
void Scene::HideBar() {
    for (LDvButton* button : {&menuButton, &hintButton, &skipButton}) UnloadImage(button);
    textBox.SetPanels(nullptr, nullptr);
    textBox.display.backing = nullptr;
    parts->UseBarPictures(nullptr);
    bar.Release();
}

std::vector<LDvOverlay*> Scene::OverlaysInOrder() {
    std::vector<LDvOverlay*> overlays = {
        &drawScene,
        parts->HintStars(),
        &bar[SceneBarPictures::kBar],
        &menuButton,
        &hintButton,
        &skipButton,
        &bar[SceneBarPictures::kGreyHint],
        &bar[SceneBarPictures::kGreySkip],
    };
    if (IsHiddenObjectScene()) {
        overlays.push_back(&bar[SceneBarPictures::kHogCover]);
        overlays.push_back(parts->HiddenObjectList());
    }
    for (LDvOverlay* overlay : {parts->InventoryDrawer(), parts->HintGlow(), parts->SkipGlow()}) {
        overlays.push_back(overlay);
    }
    std::erase(overlays, nullptr);
    return overlays;
}

// Taking them down goes by what is registered, so a scene loaded in between (and so a change of
// the hidden-object overlays) cannot leave any behind.
void Scene::ToggleOverlays() {
    if (!overlaysShown) {
        for (LDvOverlay* overlay : OverlaysInOrder()) {
            if (!overlay->registered) Register(overlay, this);
        }
    } else {
        std::vector<LDvOverlay*> all = OverlaysInOrder();
        all.push_back(&bar[SceneBarPictures::kHogCover]);
        all.push_back(parts->HiddenObjectList());
        for (LDvOverlay* overlay : all) {
            if (overlay != nullptr && overlay->registered) Unregister(overlay);
        }
    }
    overlaysShown = !overlaysShown;
}

bool Scene::FadeBusy() const {
    const BlackOut& fade = game.ScreenFade();
    return fade.fadeStepsRemaining > 0 || fade.holdStepsRemaining > 0;
}

void Scene::Update() {
    if (FadeBusy()) return;
    OfferTutorialTips();
    parts->UpdateRecharges(*this);
    content.StepFades();
    StepEffects();
    parts->Update();
    if (parts->HasArrived("REWARD")) FinishScene();
    if (IsHiddenObjectScene() && parts->AllFound()) FinishScene();
    textBox.Tick();
    script.OnTick();
}

void Scene::StepEffects() {
    for (const auto& effect : playingEffects) effect->Update();
    for (const auto& overlay : sceneOverlays) overlay->Update();
}

// Asked only for tips not yet seen: asking for a seen one would write the player's profile again
// on every step while tips are turned off.
void Scene::OfferTutorialTips() {
    if (name != kTutorialScene || Frame().secondary != nullptr) return;
    for (const TutorialTip& tip : kTutorialTips) {
        if (tip.neededItem != nullptr && !parts->HasItem(tip.neededItem)) continue;
        if (GetPlayerInt(kTipsSection, tip.key, 0) != 0) continue;
        ShowTipOnce(game, tip.key, GetText(tip.text), tip.point, false, tip.below, false);
    }
}

void Scene::CloseTutorialTip() {
    if (Frame().secondary == &game.Tip()) CloseSecondary();
}
