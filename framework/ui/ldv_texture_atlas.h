#pragma once
// A bundle of pictures loaded and released together (the win/lose panel, the intro movie).
// The bundle owns its items for its whole life; pointers to them stay valid until it is destroyed.
// Items are sprites so that they can also serve as region pages.
#include <memory>

#include "framework/core/ldv_list.h"
#include "framework/core/ldv_string.h"
#include "framework/ui/ldv_overlay.h"

class LDvTextureAtlas {
public:
    LDvTextureAtlas() = default;
    virtual ~LDvTextureAtlas() = default;
    LDvTextureAtlas(const LDvTextureAtlas&) = delete;
    LDvTextureAtlas& operator=(const LDvTextureAtlas&) = delete;

    // Loads every item not loaded yet: as a frame grid when its columns or rows were set, else whole.
    virtual void LoadAll();
    virtual void UnloadAll();
    virtual void SetName(const LDvString& bundleName, bool isNamed);

    // A new, unloaded item whose file path is `path`; set its grid before LoadAll to load frames.
    LDvSprite* AddItem(const LDvString& path);
    // The first item whose short name (file name without folder and extension) is `shortName`.
    LDvSprite* FindItem(const LDvString& shortName);

    bool named = false;
    LDvString name;
    LDvList<std::unique_ptr<LDvSprite>> items;
};
