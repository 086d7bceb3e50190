#pragma once
// The game's application object. It owns every screen state and every shared resource for the
// whole run: the fonts, the cursor, the three black-outs, the picture bundles, the sound groups
// and named lists, the GUI, effect and piece pictures. Screens borrow them through the game and
// must not keep them past OnExit, which releases the pictures (the sounds and fonts live until
// the game object is destroyed).
#include <array>

#include "framework/core/black_out.h"
#include "framework/core/ldv_game.h"
#include "framework/ui/cursor_sprite.h"
#include "framework/ui/ldv_font.h"
#include "framework/ui/ldv_named_sounds.h"
#include "framework/ui/ldv_wave_group.h"
#include "game/app/blank_state.h"
#include "game/app/game_view.h"
#include "game/app/start_up_progress.h"
#include "game/assets/effect_pictures.h"
#include "game/assets/game_bundles.h"
#include "game/assets/gui_pictures.h"
#include "game/cinematics/movie.h"
#include "game/editor/level_edit.h"
#include "game/expedition/camp.h"
#include "game/expedition/chapters.h"
#include "game/expedition/map.h"
#include "game/expedition/tip_dialog.h"
#include "game/frontend/credits.h"
#include "game/frontend/survey.h"
#include "game/frontend/title.h"
#include "game/match3/match3_images.h"
#include "game/match3/playing.h"
#include "game/scenes/adventure_bar.h"
#include "game/scenes/scene.h"
#include "game/scenes/script_host.h"
#include "game/widgets/dialog_parts.h"

constexpr int kEffectSoundCount = 44;
constexpr int kMusicCount = 7;

class Match3 : public LDvGame, public GameView {
public:
    static constexpr int kUpdatesPerSecond = 60;
    static constexpr int kCanvasWidth = 1600;
    static constexpr int kCanvasHeight = 900;

    Match3();
    ~Match3() override;

    bool OnInit() override;
    void OnTick() override;
    void OnExit() override;
    void OnFocusChange(bool active) override;

    // Enters the state the game starts in once the window is open; the only place that chooses it.
    void EnterFirstState();
    // The same player on the play screen instead (for measuring the play screen).
    void EnterPlayScreen();
    // Starts in an adventure scene instead (a test option), faded to as the map does.
    void EnterFirstScene(const LDvString& sceneName);
    // The same player in the intro movie instead (for trying and measuring the movie).
    void EnterMovie();
    // The same player in the camp or on the map (for screenshots and trying them).
    void EnterCamp();
    void EnterMap();
    // What screens see of the game; the states they move to are chosen here alone.
    LDvGame& App() override { return *this; }
    LDvFont& Font(int n) override;
    CursorSprite& Cursor() override { return cursor; }
    BlackOut& ScreenFade() override { return screenFade; }
    BlackOut& DialogDimmer() override { return dialogDimmer; }
    BlackOut& MessageDimmer() override { return messageDimmer; }
    LDvSoundGroup& Effects() override { return effects; }
    LDvMusicGroup& Music() override { return music; }
    LDvSoundGroup& Ambience() override { return ambience; }
    LDvNamedSounds& NamedEffects() override { return namedEffects; }
    LDvNamedSounds& NamedAmbience() override { return namedAmbience; }
    LDvNamedSounds& MovieSounds() override { return movieSounds; }
    LDvNamedSounds& MovieAmbience() override { return movieAmbience; }
    GuiPictures& Gui() override { return gui; }
    EffectPictures& EffectArt() override { return effectPictures; }
    Match3Images& BoardArt() override { return match3Images; }
    WinLoseBundle& WinLose() override { return winLoseBundle; }
    IntroMovieBundle& IntroMovie() override { return introMovieBundle; }
    DialogParts& Parts() override { return dialogParts; }
    TipDialog& Tip() override { return tipDialog; }

    LDvState& PlayState() override { return playing; }
    // Every level, won or not, leads back to the camp.
    LDvState* StateAfterLevel() override { return &camp; }
    // The level editor, which the title opens and the editor's test play returns to.
    LDvState* LevelEditorState() override { return &levelEdit; }
    // Where the chapter card and the camp's Explore lead.
    LDvState& MapState() override { return map; }
    // Where the credits and the "Main Menu" of the options, the camp and the map fade to.
    LDvState* TitleState() override { return &title; }
    LDvState& CreditsState() override { return credits; }
    LDvState& CampState() override { return camp; }
    LDvState& SurveyState() override { return survey; }
    // The intro movie, playing the clips it is handed.
    LDvState& MovieState(const std::vector<LDvString>& clips) override;

    void FadeToScene(const LDvString& sceneName) override;
    void ResumeScene(const LDvString& sceneName) override;
    // The black-out's hook: the scene is loaded while the screen is black. A scene that cannot be
    // loaded turns the fade towards the map.
    void LoadSceneForFade(const LDvString& sceneName) override;

    // The system pointer when the player chose it ("HIDE_CUSTOM_CURSORS"), else the game's cursor;
    // the choice is written back as "true" or "false".
    void ChooseCursor() override;

    // The screens, in the order they stand here: the level editor, the play screen, the map, the
    // chapters, the title, the movie, the adventure scene, the camp, the credits and the survey.
    // The blank state shows nothing; tests run dialogs over it.
    BlankState blankState;
    Playing playing{*this};
    Map map{*this};
    Chapters chapters{*this};
    Camp camp{*this};
    Scene scene{*this, scriptHost};      // borrows the script host declared below; used after OnInit
    Title title{*this};
    Movie movie{*this, scene.textBox};   // its captions share the scene's text box
    Credits credits{*this};
    Survey survey{*this};
    LevelEdit levelEdit{*this, playing};

    // The hidden-object list of the adventure scenes and its items come with the scenes.

    // Numbered in the order they load; every screen changes their colours as it draws.
    LDvFont font1;                       // "Artifika_14Pt"
    LDvFont font2;                       // "Artifika_14Pt", the framed buttons' text
    LDvFont font4;                       // "Artifika_24Pt"
    LDvFont font3;                       // "Artifika_18Pt"
    LDvFont font6;                       // "Artifika_14Pt", the adventure scene's text box
    LDvFont font7;                       // "Artifika_14Pt", black
    LDvFont font8;                       // "ArchitectsDaughter_18Pt", dark grey
    LDvFont font5;                       // "Vera-Bold_12pt"

    CursorSprite cursor;                 // registered with no owner, on layer 12
    BlackOut screenFade;                 // fades between states, layer 11
    BlackOut dialogDimmer;               // darkens the screen behind dialogs, layer 4
    BlackOut messageDimmer;              // darkens the screen behind messages, layer 7

    WinLoseBundle winLoseBundle;
    IntroMovieBundle introMovieBundle;

    LDvSoundGroup effects;               // volume setting "SFX_VOLUME"
    LDvMusicGroup music;                 // "MUSIC_VOLUME"
    LDvSoundGroup ambience;              // "ENV_VOLUME"
    LDvNamedSounds movieSounds;          // samples of "sounds/movie"
    LDvNamedSounds movieAmbience;        // streams of "sounds/movie_env"
    LDvNamedSounds namedEffects;         // samples of "sounds/sfx_named"
    LDvNamedSounds namedAmbience;        // streams of "sounds/env_named"

    // Loaded in the order of their path tables (also reachable by path through game_sounds.h).
    std::array<LDvSound*, kEffectSoundCount> effectSounds{};
    std::array<LDvSound*, kMusicCount> musicSounds{};
    LDvSound* musicTestBell = nullptr;   // the volume sliders' sample, one per group
    LDvSound* ambienceTestBell = nullptr;

    GuiPictures gui;
    EffectPictures effectPictures;
    Match3Images match3Images;           // the pieces, the board and the play screen's pictures

    LDvSprite widgetTarget;              // the framed widgets' shared render target

    StartUpProgress progress;            // the loading screen and the step times of OnInit

    DialogParts dialogParts;             // what the dialogs show and reuse between showings
    TipDialog tipDialog{*this};          // the one tip, reused for every showing

    ScriptHost scriptHost;               // runs the adventure scenes' scripts, started in OnInit
    AdventureBar adventureBar;           // the scene's inventory and the parts around its bar

private:
    void ConnectPlayScreen();
    void ConnectSceneScreen();
    void LoadPiecePictures();
    void NameBundles();
    void LoadEffectSheets();
    void LoadGuiPictures();
    void LoadParticles();
    void LoadEffectSounds();
    void LoadMusic();
    void LoadNamedSoundFolders();
    void SetUpLocalization();
    void LoadFonts();
    void LoadInventoryPictures();
    void StartScriptEngine();
    void HandFontToSceneTextBox();
    void SetUpBlackOuts();
    void SetUpCursor();
    void SetUpFramedWidgets();
    void SetButtonSounds();
    void EnsurePrimitivePicture();
};
