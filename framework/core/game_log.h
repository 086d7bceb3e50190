#pragma once
// The game log (log.txt in the save folder, appended across runs, no time stamps; echoed to
// standard output when the console is on), message boxes and the missing-media path.
#include <functional>

#include "framework/core/ldv_string.h"

// Also tells (in the log and a message box) when settings.ini could not be read at construction.
void StartLogging(const char* name, const char* version, bool console);
// The logs close at the very end of the program: nothing is logged afterwards.
void StopLogging();
void Log(const LDvString& message, int level = 0);
void ShowMessage(const LDvString& text);
// A message box with its own caption (ShowMessage uses "Message").
void ShowMessageBox(const LDvString& caption, const LDvString& text);
void MediaMissing(const LDvString& fileName);

// Tests watch message boxes instead of opening them; an empty function restores the engine's box.
using MessageBoxHook = std::function<void(const LDvString& caption, const LDvString& text)>;
void SetMessageBoxHookForTesting(MessageBoxHook hook);
