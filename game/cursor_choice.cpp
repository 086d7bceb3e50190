#include "game/cursor_choice.h"

#include "engine/k_system.h"
#include "framework/core/frame_context.h"
#include "framework/data/settings.h"
#include "framework/ui/cursor_sprite.h"

// The engine's pointer is shown or hidden outright, not counted, so however often it was shown
// before, one call hides it again.
void ChooseSystemPointer(CursorSprite& cursor, bool systemPointer) {
    SetSettingBool(kHideCustomCursorsKey, systemPointer);
    showSystemCursor(systemPointer);
    FrameContext& frame = Frame();
    frame.systemCursorHidden = !systemPointer;
    frame.customCursor = !systemPointer;
    cursor.systemCursorMode = systemPointer;
}
