#include "tests/tools/island_walk.h"

#include <algorithm>
#include <deque>
#include <iterator>

namespace {

// The camp's groups and what building them needs and grants.
struct CampGroup {
    const char* group;
    std::vector<const char*> needsRewards;
    std::vector<const char*> needsBuildings;
    const char* grants;  // a reward key, or null
};
const std::vector<CampGroup>& campGroups() {
    static const std::vector<CampGroup> groups = {
        {"HUTS", {}, {}, nullptr},
        {"LAB", {}, {}, nullptr},
        {"UPG_HUTS", {"BSUPPLY"}, {}, nullptr},
        {"CLINIC", {"MED_SUPPLIES"}, {}, "CLINIC_BUILT"},
        {"FINISH_CAMP", {}, {"UPG_HUTS", "LAB"}, "HUTS_FINISHED"},
    };
    return groups;
}

struct Progress {
    int count = 0;
    int scenesLeft = 0;  // adventure scenes left unfinished so far
    std::string at;
    std::set<std::string> discovered, rewards, buildings, shown;
};

struct Reach {
    std::vector<const IslandPlace*> targets;  // places an arrival there would find something at
    std::set<std::string> places;             // every place the marker can get to
};

template <class T>
bool has(const std::set<T>& s, const T& v) { return s.count(v) != 0; }

class Walker {
public:
    Walker(const IslandMap& islandMap, const DiscoveryTable& table, const std::set<std::string>& buildable, int scenesToLeave,
           WalkReport& out)
        : map(islandMap), discoveries(table), groups(buildable), maxScenesLeft(scenesToLeave), report(out) {}

    void run() {
        Progress start;
        for (const char* group : {"HUTS", "LAB"}) {  // the map opens once both stand
            if (has(groups, std::string(group))) start.buildings.insert(group);
        }
        reveal(start);
        expedition(start);
    }

private:
    std::vector<std::string> reveal(Progress& p) const {
        std::vector<std::string> shown;
        for (const IslandLand& land : map.lands) {
            if (land.reveal <= p.count && p.shown.insert(land.name).second) shown.push_back(land.name);
        }
        return shown;
    }

    bool onShownLand(const Progress& p, const IslandPlace& place) const { return has(p.shown, place.landmass); }
    bool nothingToFind(const Progress& p, const IslandPlace& place) const {
        return place.id != kLastPlace && (place.discovery == kNoDiscovery || has(p.discovered, place.discovery));
    }

    Reach reach(const Progress& p) const {
        Reach r;
        std::deque<const IslandPlace*> queue{map.place(p.at)};
        r.places.insert(p.at);
        bool comingBack = false;
        while (!queue.empty()) {
            const IslandPlace* from = queue.front();
            queue.pop_front();
            for (const std::string& exit : from->exits) {
                const IslandPlace* to = map.place(exit);
                if (to != nullptr && to->id == p.at && !nothingToFind(p, *to) && !comingBack) {
                    r.targets.push_back(to);  // a scene left unfinished here: walk out and back in
                    comingBack = true;
                }
                if (to == nullptr || !onShownLand(p, *to) || !r.places.insert(to->id).second) continue;
                if (nothingToFind(p, *to)) queue.push_back(to);
                else r.targets.push_back(to);
            }
        }
        return r;
    }

    void campBuilds(Progress& p) const {
        for (bool more = true; more;) {
            more = false;
            for (const CampGroup& g : campGroups()) {
                if (!has(groups, std::string(g.group)) || has(p.buildings, std::string(g.group))) continue;
                const bool ready = std::all_of(g.needsRewards.begin(), g.needsRewards.end(), [&](const char* r) { return has(p.rewards, std::string(r)); }) &&
                                   std::all_of(g.needsBuildings.begin(), g.needsBuildings.end(), [&](const char* b) { return has(p.buildings, std::string(b)); });
                if (!ready) continue;
                p.buildings.insert(g.group);
                if (g.grants) p.rewards.insert(g.grants);
                more = true;
            }
        }
    }

    std::string key(const Progress& p) const {
        std::string k = p.at + "@" + std::to_string(p.count) + "/" + std::to_string(p.scenesLeft);
        for (const std::string& d : p.discovered) k += "," + d;
        return k;
    }

    void expedition(Progress p) {
        if (!memo.insert(key(p)).second) return;
        p.count += 1;
        const std::vector<std::string> shown = reveal(p);
        if (p.at.empty()) p.at = map.places().front()->id;
        const Reach r = reach(p);
        for (const std::string& name : shown) {
            const IslandLand* land = map.land(name);
            const bool reachable = std::any_of(land->places.begin(), land->places.end(), [&](const IslandPlace& q) { return has(r.places, q.id); });
            if (!reachable && !land->places.empty() && p.scenesLeft == 0) {
                report.faults.push_back("expedition " + std::to_string(p.count) + " shows " + name + " before any of its places can be reached");
            }
        }
        if (p.count == 1) noteFirstExpedition(r);
        walk(p, r);
    }

    void noteFirstExpedition(const Reach& r) {
        for (const IslandPlace* t : r.targets) {
            const auto d = discoveries.find(t->discovery);
            const bool plain = t->id != kLastPlace && d != discoveries.end() && d->second.value("BLOCKER").empty() &&
                               d->second.value("EXPLORE").empty();
            if (plain && std::find(report.firstExpeditionTargets.begin(), report.firstExpeditionTargets.end(), t->id) ==
                             report.firstExpeditionTargets.end()) {
                report.firstExpeditionTargets.push_back(t->id);
            }
        }
    }

    void grant(Progress& p, const TableSection& section, const std::string& id) {
        p.discovered.insert(id);
        for (const auto& reward : rewardList(section.value("REWARDS"))) p.rewards.insert(reward.first);
    }

    bool canPass(const Progress& p, const TableSection& blocker) const {
        const auto needs = rewardList(blocker.value("REWARDS"));
        return std::all_of(needs.begin(), needs.end(), [&](const auto& r) { return has(p.rewards, r.first); });
    }

    void arriveAtLastPlace(const Progress& p) {
        const bool first = report.endings++ == 0;
        const auto keep = [first](std::set<std::string>& into, const std::set<std::string>& now) {
            if (first) {
                into = now;
                return;
            }
            std::set<std::string> both;
            std::set_intersection(into.begin(), into.end(), now.begin(), now.end(), std::inserter(both, both.end()));
            into = both;
        };
        keep(report.rewardsAtEnd, p.rewards);
        keep(report.discoveriesAtEnd, p.discovered);
        keep(report.buildingsAtEnd, p.buildings);
    }

    void record(const Progress& p) {
        report.discoveries.insert(p.discovered.begin(), p.discovered.end());
        report.rewards.insert(p.rewards.begin(), p.rewards.end());
        report.buildings.insert(p.buildings.begin(), p.buildings.end());
        report.landsShown.insert(p.shown.begin(), p.shown.end());
        report.visited.insert(p.at);
    }

    // Chooses every place of the reach in turn; the expedition ends there, or goes on past a blocker.
    void walk(const Progress& p, const Reach& r) {
        bool moved = false;
        for (const IslandPlace* target : r.targets) {
            Progress q = p;
            q.at = target->id;
            if (target->id == kLastPlace) {
                record(q);
                arriveAtLastPlace(q);
                moved = true;
                continue;
            }
            const auto found = discoveries.find(target->discovery);
            if (found == discoveries.end()) {
                report.faults.push_back(target->id + " names the discovery " + target->discovery + ", which has no section");
                continue;
            }
            const TableSection& section = found->second;
            const std::string blockerName = section.value("BLOCKER");
            const bool scene = !section.value("EXPLORE").empty();
            if (scene && q.scenesLeft < maxScenesLeft) {
                Progress left = q;
                left.scenesLeft += 1;
                record(left);
                expedition(left);
            }
            if (scene || blockerName.empty()) {
                grant(q, section, target->discovery);
                campBuilds(q);
                record(q);
                expedition(q);
                moved = true;
                continue;
            }
            const auto blocker = discoveries.find(blockerName);
            if (blocker == discoveries.end() || !canPass(q, blocker->second)) continue;  // turned back
            q.discovered.insert(target->discovery);
            q.count += 1;
            if (reveal(q).empty() && q.scenesLeft == 0) report.faults.push_back("passing " + target->id + " opens no land");
            report.countsAfterPassing[target->discovery].insert(q.count);
            record(q);
            walk(q, reach(q));
            moved = true;
        }
        if (!moved) report.faults.push_back("dead end at " + p.at + " with the count at " + std::to_string(p.count));
    }

    const IslandMap& map;
    const DiscoveryTable& discoveries;
    const std::set<std::string>& groups;
    const int maxScenesLeft;
    WalkReport& report;
    std::set<std::string> memo;
};

}  // namespace

WalkReport walkEveryOrder(const IslandMap& map, const DiscoveryTable& discoveries, const std::set<std::string>& buildable,
                          int unfinishedSceneVisits) {
    WalkReport report;
    if (map.places().empty()) {
        report.faults.push_back("the map has no places");
        return report;
    }
    Walker(map, discoveries, buildable, unfinishedSceneVisits, report).run();
    return report;
}
