#pragma once
// The adventure scene screen: one painted scene of named sections, loaded by name from its
// layered document and its script, with the adventure bar (menu, hint and skip buttons and the
// parts around them) below it. Input goes to the script's entry points; the scene ends through
// FinishScene, which reports its discovery and fades to the map.
//
// Ownership: the game owns the one Scene for the whole run. The scene owns its content (the
// background and sections of the scene loaded last, kept until the next LoadScene), its effects
// and script overlays (discarded on leaving), the bar pictures (loaded only while it is current),
// its buttons, text box and drawing overlay. It borrows the game (fonts, cursor, fade, sounds,
// tip), the script host and the adventure parts, all of which outlive it.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "framework/core/ldv_list.h"
#include "framework/core/ldv_state.h"
#include "framework/core/ldv_string.h"
#include "framework/effects/tl_player.h"
#include "framework/ui/ldv_button.h"
#include "game/scenes/adventure_parts.h"
#include "game/scenes/draw_scene.h"
#include "game/scenes/ldv_psd_reader.h"
#include "game/scenes/scene_bar_pictures.h"
#include "game/scenes/scene_content.h"
#include "game/scenes/scene_entry_points.h"
#include "game/scenes/scene_text_box.h"

class GameView;
class ScriptHost;

class Scene : public LDvState {
public:
    // The player's answers to the scene's dialogs; the game fills these in. Without them the menu
    // and the skip button do nothing.
    using MenuRunner = std::function<bool()>;                // true when the player chose to quit
    using Question = std::function<bool(int textNumber)>;    // true for yes

    static constexpr int32_t kBarPointerHeight = 90;         // the pointer is over the bar below 900 - 90

    Scene(GameView& game, ScriptHost& host);
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    // Replaces the content with the scene `sceneName`: its document "Scenes/<name>.psd" (none: an
    // empty scene) and its script "Scenes/<name>.angel" (none: the default script, kept in memory;
    // nothing is ever written into the data folder). False, with a log line, when the name is not
    // a plain scene name or names no scene (neither file exists); the scene is then empty.
    bool LoadScene(const LDvString& sceneName);
    // The first section called `sectionName` that is active (or any, with includeInactive); null
    // with a warning in the log when there is none.
    Section* FindSceneSection(const LDvString& sectionName, bool includeInactive) const;
    Section* SectionAt(int x, int y) const { return content.SectionAt(x, y); }
    // Ends the scene once: reports its discovery and fades to the map.
    void FinishScene();
    void PrintSceneText(const LDvString& text) { textBox.Print(text); }
    // The script's pause: clicks, hint, skip and the menu are dead until it ends.
    void SetWaiting(bool on);
    bool IsHiddenObjectScene() const { return adventure == 0; }
    // Where the scene's ways out lead: the map (a finished scene, one that cannot load) and the
    // title (the menu's quit); the game's own unless the game chose others.
    LDvState& MapState();
    LDvState& TitleState();

    // What DrawScene draws: the content with the effects at the "FX" section, then the text box.
    void DrawContent();

    void OnFirstEnter() override;
    void OnEnter() override;
    void OnLeave(LDvState* next) override;
    void ToggleOverlays() override;
    void Update() override;
    void OnClick(int x, int y) override;
    void OnMouseMove(int x, int y, bool leftDown, bool rightDown) override;
    void OnDrag(int x, int y, int dxFromStart, int dyFromStart, int dxFromLast, int dyFromLast) override;
    void OnDragStart(int x, int y) override;
    void OnDragEnd(int x, int y) override;
    void OnButton(LDvOverlay* button) override;

    LDvString name;                      // the scene loaded last
    int32_t adventure = 1;               // 0 in a hidden-object scene
    bool waiting = false;                // set by the script: clicks and buttons are ignored
    float skipProgress = 0.0f;           // fraction of the skip recharge still to run
    float hintProgress = 0.0f;           // fraction of the hint recharge still to run
    SceneContent content;                // background and sections
    LDvList<std::unique_ptr<TLPlayer>> loadedEffects;   // effect templates, never drawn; freed with the scene
    LDvList<std::unique_ptr<LDvSprite>> effectSheets;   // the templates' frame sheets, shared by their copies
    LDvList<std::unique_ptr<TLPlayer>> playingEffects;  // drawn at "FX"; discarded on leaving
    LDvList<std::unique_ptr<LDvOverlay>> sceneOverlays; // script decorations, drawn after the effects
    LDvString scriptText;                // the script the module was built from

    DrawScene drawScene;
    SceneBarPictures bar;
    LDvButton menuButton;
    LDvButton hintButton;                // acts as a button only while the hint is ready
    LDvButton skipButton;                // likewise for the skip
    SceneTextBox textBox;
    bool sceneFinished = false;
    int32_t hintCountdown = 0;           // steps until the hint is ready again
    int32_t skipCountdown = 0;

    AdventureParts* parts;               // never null; nothing around the bar until the game sets it
    MenuRunner runMenu;
    Question askYesNo;
    LDvState* mapState = nullptr;        // not owned; null: the game's map
    LDvState* titleState = nullptr;      // not owned; null: the game's title
    SceneEntryPoints script;

private:
    void ReadDocument();
    void ReadScript();
    void ShowBar();
    void PlaceBar();
    void HideBar();
    void OfferTutorialTips();
    void StepEffects();
    void OpenMenu();
    void CloseTutorialTip();
    std::vector<LDvOverlay*> OverlaysInOrder();
    bool FadeBusy() const;

    GameView& game;
    LDvPSDReader reader;                 // holds the document only while the scene is built
    bool overlaysShown = false;
};
