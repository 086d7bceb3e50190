#include "game/scenes/scene_content.h"

#include <iterator>
#include <unordered_map>
#include <vector>

#include "framework/core/game_log.h"
#include "framework/ui/overlay_images.h"
#include "game/scenes/ldv_psd_layer.h"
#include "game/scenes/ldv_psd_reader.h"

namespace {

constexpr const char* kPictureLayer = "IMG";
constexpr const char* kHitLayer = "HIT";

// How many sections still take each layer; the last one takes it over, the others copy it.
using LayerUses = std::unordered_map<const LDvPSDLayer*, int>;

bool LastUse(LayerUses& uses, const LDvPSDLayer& layer) { return --uses[&layer] <= 0; }

// The layer's pixels as a picture; a layer the reader kept no pixels for gives none.
std::unique_ptr<LDvSprite> PictureOf(LDvPSDLayer& layer, bool takeOver) {
    auto picture = std::make_unique<LDvSprite>();
    if (layer.maskWidth <= 0 || layer.maskHeight <= 0 || layer.pixels.empty()) return picture;
    if (takeOver) {
        LoadFromPixels(picture.get(), std::move(layer.pixels), layer.maskWidth, layer.maskHeight);
    } else {
        LoadFromPixels(picture.get(), layer.pixels.data(), layer.maskWidth, layer.maskHeight);
    }
    return picture;
}

void TakeMask(Section& section, LDvPSDLayer& hit, bool takeOver) {
    section.hitMask = takeOver ? std::move(hit.hitMask) : hit.hitMask;
    section.maskWidth = hit.maskWidth;
    section.maskHeight = hit.maskHeight;
    section.maskX = static_cast<float>(hit.left);
    section.maskY = static_cast<float>(hit.top);
}

struct GroupLayers {
    LDvString group;
    LDvPSDLayer* image = nullptr;
    LDvPSDLayer* hit = nullptr;
};

// A group holding neither layer makes no section; other layers of a group are ignored.
std::unique_ptr<Section> SectionOf(const GroupLayers& layers, LayerUses& uses) {
    auto section = std::make_unique<Section>();
    section->name = layers.group;
    if (layers.image != nullptr) {
        section->picture = PictureOf(*layers.image, LastUse(uses, *layers.image));
        section->picture->SetPosition(layers.image->left, layers.image->top);
    }
    if (layers.hit != nullptr) TakeMask(*section, *layers.hit, LastUse(uses, *layers.hit));
    return section;
}

}  // namespace

PsdLayerNeeds SceneContent::LayerNeeds(const LDvPSDLayer& layer, int index) {
    return PsdLayerNeeds{index == 0 || layer.name == kPictureLayer, layer.name == kHitLayer};
}

void SceneContent::Build(LDvPSDReader& document) {
    Clear();
    if (LDvPSDLayer* bottom = document.LayerAt(0)) {
        background = PictureOf(*bottom, true);  // never part of a group
    } else {
        Log("Scene document has no layers; the scene has no background");
    }
    LDvList<LDvString> groups;
    document.GetGroupNames(groups);
    std::vector<GroupLayers> found;
    LayerUses uses;
    for (const LDvString& group : groups) {
        GroupLayers layers{group, document.FindLayer(group, kPictureLayer), document.FindLayer(group, kHitLayer)};
        if (layers.image == nullptr && layers.hit == nullptr) continue;
        for (const LDvPSDLayer* layer : {layers.image, layers.hit}) {
            if (layer != nullptr) ++uses[layer];
        }
        found.push_back(layers);
    }
    for (const GroupLayers& layers : found) sections.Add(SectionOf(layers, uses));
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
