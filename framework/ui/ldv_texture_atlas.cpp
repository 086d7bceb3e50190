#include "framework/ui/ldv_texture_atlas.h"

#include "framework/ui/overlay_images.h"

void LDvTextureAtlas::LoadAll() {
    for (std::unique_ptr<LDvSprite>& item : items) {
        if (item->loaded) continue;
        // Copied first: loading names the item after the path it was given.
        const LDvString path = item->filePath;
        if (item->columns == 0 && item->rows == 0) {
            LoadImage(item.get(), path, true);
        } else {
            LoadFrames(item.get(), path, item->columns, item->rows, item->frameCount);
        }
    }
}

void LDvTextureAtlas::UnloadAll() {
    for (std::unique_ptr<LDvSprite>& item : items) UnloadImage(item.get());
}

void LDvTextureAtlas::SetName(const LDvString& bundleName, bool isNamed) {
    name = bundleName;
    named = isNamed;
}

LDvSprite* LDvTextureAtlas::AddItem(const LDvString& path) {
    auto item = std::make_unique<LDvSprite>();
    ::SetName(item.get(), path);
    return items.Add(std::move(item)).get();
}

LDvSprite* LDvTextureAtlas::FindItem(const LDvString& shortName) {
    for (std::unique_ptr<LDvSprite>& item : items) {
        if (item->shortName == shortName) return item.get();
    }
    return nullptr;
}
