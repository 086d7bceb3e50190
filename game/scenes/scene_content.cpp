#include "game/scenes/scene_content.h"

#include <iterator>

#include "framework/core/game_log.h"
#include "framework/ui/overlay_images.h"
#include "game/scenes/ldv_psd_layer.h"
#include "game/scenes/ldv_psd_reader.h"

namespace {

constexpr const char* kPictureLayer = "IMG";
constexpr const char* kHitLayer = "HIT";

// The layer's pixels as a picture; a layer the reader kept no pixels for gives none.
std::unique_ptr<LDvSprite> PictureOf(const LDvPSDLayer& layer) {
    auto picture = std::make_unique<LDvSprite>();
    if (layer.maskWidth > 0 && layer.maskHeight > 0) {
        LoadFromPixels(picture.get(), layer.pixels.data(), layer.maskWidth, layer.maskHeight);
    }
    return picture;
}

void TakeMask(Section& section, const LDvPSDLayer& hit) {
    section.hitMask = hit.hitMask;
    section.maskWidth = hit.maskWidth;
    section.maskHeight = hit.maskHeight;
    section.maskX = static_cast<float>(hit.left);
    section.maskY = static_cast<float>(hit.top);
}

// A group holding neither layer makes no section; other layers of a group are ignored.
std::unique_ptr<Section> SectionOf(const LDvPSDReader& document, const LDvString& group) {
    const LDvPSDLayer* image = document.FindLayer(group, kPictureLayer);
    const LDvPSDLayer* hit = document.FindLayer(group, kHitLayer);
    if (image == nullptr && hit == nullptr) return nullptr;
    auto section = std::make_unique<Section>();
    section->name = group;
    if (image != nullptr) {
        section->picture = PictureOf(*image);
        section->picture->SetPosition(image->left, image->top);
    }
    if (hit != nullptr) TakeMask(*section, *hit);
    return section;
}

}  // namespace

void SceneContent::Build(const LDvPSDReader& document) {
    Clear();
    if (const LDvPSDLayer* bottom = document.LayerAt(0)) {
        background = PictureOf(*bottom);
    } else {
        Log("Scene document has no layers; the scene has no background");
    }
    LDvList<LDvString> groups;
    document.GetGroupNames(groups);
    for (const LDvString& group : groups) {
        if (auto section = SectionOf(document, group)) sections.Add(std::move(section));
    }
}

void SceneContent::Clear() {
    sections.Clear();
    background.reset();
}

Section* SceneContent::SectionAt(int x, int y) const {
    for (auto it = std::make_reverse_iterator(sections.end()); it != std::make_reverse_iterator(sections.begin()); ++it) {
        if ((*it)->IsHit(x, y)) return it->get();
    }
    return nullptr;
}

Section* SceneContent::FindSection(const LDvString& name, bool includeInactive) const {
    for (const auto& section : sections) {
        if (section->name == name && (section->active || includeInactive)) return section.get();
    }
    return nullptr;
}

void SceneContent::StepFades() {
    for (const auto& section : sections) section->StepFade();
}

void SceneContent::ForEachInDrawOrder(const std::function<void(Section&)>& visit) const {
    for (const auto& section : sections) {
        if (!section->drawMiddle && !section->drawTop) visit(*section);
    }
    for (const auto& section : sections) {
        if (section->drawMiddle) visit(*section);
    }
    for (const auto& section : sections) {
        if (section->drawTop) visit(*section);
    }
}

void SceneContent::Draw(const std::function<void()>& drawEffects) const {
    if (background != nullptr) background->Draw();
    ForEachInDrawOrder([&](Section& section) {
        if (section.name == kEffectsSectionName) {
            drawEffects();
        } else if (section.picture != nullptr && !section.picture->hidden) {
            section.picture->Draw();
        }
    });
}
