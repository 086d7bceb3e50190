#pragma once
// What a screen or a dialog sees of the game: the shared fonts, fades and dimmers, sounds and
// pictures it borrows, and the states it moves to. Screens take a GameView instead of the game
// object, so a screen includes only the headers of what it uses and a change to the game object
// rebuilds the application alone.
//
// Lifetime: the game object provides the one view and outlives every screen. What a view hands
// out lives for the whole run, except the pictures, which the game releases in OnExit; screens
// must not use them after that.
#include <vector>

#include "framework/core/ldv_string.h"

class BlackOut;
class CursorSprite;
class EffectPictures;
class GuiPictures;
class IntroMovieBundle;
struct LDvFont;
class LDvGame;
class LDvMusicGroup;
class LDvNamedSounds;
class LDvSoundGroup;
class LDvState;
class Movie;
class Match3Images;
class TipDialog;
class WinLoseBundle;
struct DialogParts;

class GameView {
public:
    virtual ~GameView() = default;

    virtual LDvGame& App() = 0;                  // for SetState and RunModal, and the selected player

    // Font n (1..8) as the screens number them; out of range gives font 1.
    virtual LDvFont& Font(int n) = 0;
    virtual CursorSprite& Cursor() = 0;
    virtual BlackOut& ScreenFade() = 0;          // fades between states
    virtual BlackOut& DialogDimmer() = 0;        // darkens the screen behind dialogs
    virtual BlackOut& MessageDimmer() = 0;       // darkens the screen behind messages

    virtual LDvSoundGroup& Effects() = 0;
    virtual LDvMusicGroup& Music() = 0;
    virtual LDvSoundGroup& Ambience() = 0;
    virtual LDvNamedSounds& NamedEffects() = 0;  // samples of "sounds/sfx_named"
    virtual LDvNamedSounds& NamedAmbience() = 0; // streams of "sounds/env_named"
    virtual LDvNamedSounds& MovieSounds() = 0;   // samples of "sounds/movie"
    virtual LDvNamedSounds& MovieAmbience() = 0; // streams of "sounds/movie_env"

    virtual GuiPictures& Gui() = 0;
    virtual EffectPictures& EffectArt() = 0;
    virtual Match3Images& BoardArt() = 0;        // the pieces, the board and the play screen's pictures
    virtual WinLoseBundle& WinLose() = 0;
    virtual IntroMovieBundle& IntroMovie() = 0;

    virtual DialogParts& Parts() = 0;            // what the dialogs show and reuse between showings
    virtual TipDialog& Tip() = 0;                // the one floating tip

    // The states screens move to.
    virtual LDvState& PlayState() = 0;           // the match-3 play screen, which plays the current level
    virtual LDvState* StateAfterLevel() = 0;     // where leaving a level fades to
    virtual LDvState* LevelEditorState() = 0;    // where the editor's test play returns; null without one
    virtual LDvState* TitleState() = 0;          // where the credits and "Main Menu" fade to
    virtual LDvState& MapState() = 0;            // where the chapter card, Explore and a finished scene lead

    // Into an adventure scene by name. FadeToScene fades to black, loads the scene while the screen
    // is black and enters it (the map's arrivals); ResumeScene loads it at once and then fades to it
    // (the title's resume). A name that names no scene leads to the map instead.
    virtual void FadeToScene(const LDvString& sceneName) = 0;
    virtual LDvState& CreditsState() = 0;        // where the title's options lead
    // Where the title's story button leads.
    virtual LDvState& CampState() = 0;           // once the intro movie was seen; the map's Camp button
    virtual LDvState& SurveyState() = 0;         // once the last place of the map was reached (the title and the map)
    // The intro movie, handed the clips it plays in this order (its pictures are IntroMovie()).
    virtual LDvState& MovieState(const std::vector<LDvString>& clips) = 0;
    virtual void ResumeScene(const LDvString& sceneName) = 0;

    // The system pointer or the game's cursor, as the player chose in the options.
    virtual void ChooseCursor() = 0;
};
