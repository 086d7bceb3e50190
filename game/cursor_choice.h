#pragma once
// The player's choice between the system pointer and the game's own cursor, stored in settings.ini
// as "HIDE_CUSTOM_CURSORS" ("true": the system pointer). The cursor is borrowed from the game.
class CursorSprite;

inline constexpr const char* kHideCustomCursorsKey = "HIDE_CUSTOM_CURSORS";

// Stores the choice, shows or hides the system pointer and lets the game's cursor draw or not.
void ChooseSystemPointer(CursorSprite& cursor, bool systemPointer);
