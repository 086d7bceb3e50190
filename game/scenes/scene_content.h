#pragma once
// What a scene shows and hit-tests, built from its layered document: the background (the
// bottom-most layer) and one section per group that holds an "IMG" or a "HIT" layer, bottom-most
// group first. It owns the background and the sections until the next Build or Clear; the
// section pointers it hands out live as long.
#include <functional>
#include <memory>

#include "framework/core/ldv_list.h"
#include "framework/core/ldv_string.h"
#include "framework/ui/ldv_overlay.h"
#include "game/scenes/section.h"

#include "game/scenes/ldv_psd_layer.h"

class LDvPSDReader;

// The section at whose place in the drawing order the scene's effects are drawn.
inline constexpr const char* kEffectsSectionName = "FX";

class SceneContent {
public:
    // What Build uses of the document's layer at `index`: the background's and every "IMG"
    // layer's pixels, every "HIT" layer's mask. A reader given this choice makes nothing else.
    static PsdLayerNeeds LayerNeeds(const LDvPSDLayer& layer, int index);
    // Replaces the content with the document's, taking the pixels and masks out of its layers
    // (a layer two sections share is copied for the first). A document without layers gives no
    // background.
    void Build(LDvPSDReader& document);
    void Clear();

    // The top-most active section whose mask is set at the canvas point; null when none.
    Section* SectionAt(int x, int y) const;
    // The first section called exactly `name` that is active (or any, with includeInactive).
    Section* FindSection(const LDvString& name, bool includeInactive) const;
    // One step of every running section fade, in list order.
    void StepFades();

    // Every section in the order it is drawn: those without a pass flag, then the middle ones,
    // then the top ones, each pass in list order.
    void ForEachInDrawOrder(const std::function<void(Section&)>& visit) const;
    // The background, then the sections in drawing order; at the "FX" section `drawEffects` runs
    // instead. Fades, the active flag and the masks do not change what is drawn.
    void Draw(const std::function<void()>& drawEffects) const;

    std::unique_ptr<LDvSprite> background;
    LDvList<std::unique_ptr<Section>> sections;
};
