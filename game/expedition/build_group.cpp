#include "game/expedition/build_group.h"

#include "game/assets/game_sounds.h"
#include "game/assets/sound_paths.h"
#include "game/expedition/progress_flags.h"
#include "game/expedition/reward_list.h"

namespace {

constexpr const char* kBuildingData = "BUILDING_DATA";

struct Requirement {
    const char* group;
    const char* reward;
};
// Groups that wait for a reward found on the island.
constexpr Requirement kRequirements[] = {{"CLINIC", "MED_SUPPLIES"}, {"UPG_HUTS", "BSUPPLY"}};

}  // namespace

LDvString BuiltKey(const LDvString& groupKey) { return groupKey + "_BUILT"; }

void BuildGroup::Clear() {
    buildings.Clear();
    started = finished = lockedByRequirement = built = 0;
    price = 0;
    name.clear();
    key.clear();
    description.clear();
    lockedText.clear();
}

void BuildGroup::RefreshBuildState() {
    built = ProgressFlag(kBuildingData, BuiltKey(key)) ? 1 : 0;
    lockedByRequirement = 0;
    for (const Requirement& requirement : kRequirements) {
        if (key == requirement.group) lockedByRequirement = ProgressFlag(kRewardsSection, requirement.reward) ? 0 : 1;
    }
    if (built != 0) Start(true);
}

void BuildGroup::Start(bool instant) {
    if (!instant) PlayGameSound(sounds::kConstruction);
    started = 1;
    finished = 0;
    for (auto& building : buildings) {
        if (instant) {
            building->StandBuilt();
        } else {
            building->StartConstruction();
        }
    }
    if (instant) finished = 1;
}

void BuildGroup::Tick(int tickNumber) {
    for (auto& building : buildings) building->Tick(tickNumber, art);
    if (started == 0 || finished != 0) return;
    for (auto& building : buildings) {
        if (building->built == 0) return;
    }
    finished = 1;
    for (auto& building : buildings) building->StartGlow();
}

bool BuildGroup::IsAnimating() const {
    for (const auto& building : buildings) {
        if (building->IsAnimating()) return true;
    }
    return false;
}

void BuildGroup::OnTick(int tickCount) { Tick(tickCount); }

void BuildGroup::Draw() {
    if (started == 0) return;
    for (auto& building : buildings) building->Draw();
}
