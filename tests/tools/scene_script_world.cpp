#include "tests/tools/scene_script_world.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "game/scenes/ldv_psd_reader.h"
#include "game/scenes/script_host.h"
#include "tests/tools/data_folder.h"

namespace {

// The scene text box: Artifika 14 pt between x 204 and 1399, on a panel of at most two lines.
constexpr long kTextWidth = 1195;
constexpr int kTextLines = 2;

const char* const kCursors[] = {"ARROW", "HAND", "GRAB", "LOOK", "TALK", "WAIT", "BACK", "E", "W",
                                "N", "S", "SW", "NW", "NE", "SE", "SCROLL", "HIDE_CURSOR"};

// The scene functions in the order the game registers them.
struct Registration {
    const char* declaration;
    const char* name;
};
constexpr Registration kSceneFunctions[] = {
    {"void Print(LDvString str)", "Print"},
    {"void Rotate(LDvString strID, float angle)", "Rotate"},
    {"void Move(LDvString strID, int x, int y)", "Move"},
    {"int SetPos(LDvString strID, int x, int y)", "SetPos"},
    {"int SetPosCenter(LDvString strID, int x, int y)", "SetPosCenter"},
    {"int GetXPos(LDvString strID)", "GetXPos"},
    {"int GetYPos(LDvString strID)", "GetYPos"},
    {"int GetXPosCenter(LDvString strID)", "GetXPosCenter"},
    {"int GetYPosCenter(LDvString strID)", "GetYPosCenter"},
    {"int GetHitzoneXCenter(LDvString strID)", "GetHitzoneXCenter"},
    {"int GetHitzoneYCenter(LDvString strID)", "GetHitzoneYCenter"},
    {"void SetOpacity(LDvString strID, int o)", "SetOpacity"},
    {"void SetZoom(LDvString strID, float f)", "SetZoom"},
    {"void FadeOut(LDvString strID)", "FadeOut"},
    {"void FadeIn(LDvString strID)", "FadeIn"},
    {"void Activate(LDvString strID, bool bActive)", "Activate"},
    {"bool IsActive(LDvString strID)", "IsActive"},
    {"void Hide(LDvString strID)", "Hide"},
    {"void Show(LDvString strID)", "Show"},
    {"void MoveF(LDvString strID, float x, float y)", "MoveF"},
    {"void TurnAdditiveON(LDvString strID, bool bMakeOn)", "TurnAdditiveON"},
    {"void Top(LDvString strID)", "Top"},
    {"void Middle(LDvString strID)", "Middle"},
    {"float Sin(float x)", "Sin"},
    {"float Cos(float x)", "Cos"},
    {"float LinearValue(float x, float y, float t)", "LinearValue"},
    {"float QuadValue(float x, float y, float t)", "QuadValue"},
    {"float RootValue(float x, float y, float t)", "RootValue"},
    {"float Random()", "Random"},
    {"int RandomRange(int x, int y)", "RandomRange"},
    {"void SetPlayerBool(LDvString strID, bool b)", "SetPlayerBool"},
    {"void SetPlayerInt(LDvString strID, int n)", "SetPlayerInt"},
    {"void SetPlayerString(LDvString strID, LDvString str)", "SetPlayerString"},
    {"bool GetPlayerBool(LDvString strID, bool b)", "GetPlayerBool"},
    {"int GetPlayerInt(LDvString strID, int n)", "GetPlayerInt"},
    {"LDvString GetPlayerString(LDvString strID, LDvString str)", "GetPlayerString"},
    {"void LoadTLFX(LDvString strID)", "LoadTLFX"},
    {"void PlayTLFX(LDvString strID, int x, int y, float zoom, bool loop, int speed, float alpha, bool additive, int angle)",
     "PlayTLFX"},
    {"void StopTLFX(LDvString strID)", "StopTLFX"},
    {"void DoWaveTop(LDvString strParams)", "DoWaveTop"},
    {"void SceneFinished()", "SceneFinished"},
    {"void InvTake(LDvString strInvID, int x, int y)", "InvTake"},
    {"bool InvExists(LDvString strInvID)", "InvExists"},
    {"void InvRemove(LDvString strInvID)", "InvRemove"},
    {"void InvReturn()", "InvReturn"},
    {"void Wait()", "Wait"},
    {"void StopWaiting()", "StopWaiting"},
    {"void AddHogItem(LDvString strItemName, LDvString strPluralName, int count)", "AddHogItem"},
    {"void FindHogItem(LDvString strItemName, int x, int y)", "FindHogItem"},
    {"void PlaySound(LDvString strSound)", "PlaySound"},
    {"void Shake(int frames, int power)", "Shake"},
    {"void StreamEnvironment(LDvString strEnv)", "StreamEnvironment"},
};
static_assert(std::size(kSceneFunctions) == 52, "the game registers 52 scene functions");

std::string upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

const std::string& Text(asIScriptGeneric* g, int arg) { return *static_cast<const std::string*>(g->GetArgObject(arg)); }
int Int(asIScriptGeneric* g, int arg) { return static_cast<int>(g->GetArgDWord(arg)); }

std::string stem(const std::string& file) { return file.substr(0, file.rfind('.')); }

bool fileIn(const std::string& folder, const std::string& file) {
    std::error_code ec;
    return std::filesystem::is_regular_file(dataPath(folder + "/" + file), ec);
}

}  // namespace

SceneScriptWorld::SceneScriptWorld(const std::string& sceneName) : name(sceneName) {
    readDataFile(dataPath("Scenes/" + name + ".angel"), scriptText);
    for (const std::string& file : listFiles(dataPath("inventory"))) {
        if (file != "tooltip.png" && file != "items.ini") items.insert(upper(stem(file)));
    }
    for (const std::string& file : listFiles(dataPath("img/tl_fx"))) effectFiles.insert(file);
    ReadDocument();
}

SceneScriptWorld::~SceneScriptWorld() = default;

void SceneScriptWorld::ReadDocument() {
    std::string bytes;
    LDvPSDReader reader;
    if (!readDataFile(dataPath("Scenes/" + name + ".psd"), bytes) ||
        !reader.LoadFromMemory(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), name)) {
        return Fault("no document for " + name);
    }
    LDvList<LDvString> groups;
    reader.GetGroupNames(groups);
    for (const LDvString& group : groups) {
        Section section;
        section.name = group;
        section.picture = reader.FindLayer(section.name, "IMG") != nullptr;
        if (const LDvPSDLayer* hit = reader.FindLayer(section.name, "HIT")) {
            section.hit = std::any_of(hit->hitMask.begin(), hit->hitMask.end(), [](uint8_t bits) { return bits != 0; });
            section.hitCentreX = hit->left + hit->maskWidth / 2;
            section.hitCentreY = hit->top + hit->maskHeight / 2;
        }
        document.push_back(section);
    }
}

const std::map<std::string, SceneScriptWorld::Handler>& SceneScriptWorld::Handlers() {
    static const std::map<std::string, Handler> handlers = {
        {"Print", &SceneScriptWorld::Print},
        {"Rotate", &SceneScriptWorld::Rotate},
        {"Move", &SceneScriptWorld::Move},
        {"MoveF", &SceneScriptWorld::MoveF},
        {"SetPos", &SceneScriptWorld::SetPos},
        {"SetPosCenter", &SceneScriptWorld::SetPos},
        {"GetXPos", &SceneScriptWorld::PicturePosition},
        {"GetYPos", &SceneScriptWorld::PicturePosition},
        {"GetXPosCenter", &SceneScriptWorld::PicturePosition},
        {"GetYPosCenter", &SceneScriptWorld::PicturePosition},
        {"GetHitzoneXCenter", &SceneScriptWorld::HitzoneXCenter},
        {"GetHitzoneYCenter", &SceneScriptWorld::HitzoneYCenter},
        {"SetOpacity", &SceneScriptWorld::SetOpacity},
        {"SetZoom", &SceneScriptWorld::PictureOnly},
        {"FadeOut", &SceneScriptWorld::FadeOut},
        {"FadeIn", &SceneScriptWorld::FadeIn},
        {"Activate", &SceneScriptWorld::Activate},
        {"IsActive", &SceneScriptWorld::IsActive},
        {"Hide", &SceneScriptWorld::Hide},
        {"Show", &SceneScriptWorld::Show},
        {"TurnAdditiveON", &SceneScriptWorld::PictureOnly},
        {"Top", &SceneScriptWorld::SectionOnly},
        {"Middle", &SceneScriptWorld::SectionOnly},
        {"Sin", &SceneScriptWorld::Maths},
        {"Cos", &SceneScriptWorld::Maths},
        {"LinearValue", &SceneScriptWorld::Maths},
        {"QuadValue", &SceneScriptWorld::Maths},
        {"RootValue", &SceneScriptWorld::Maths},
        {"Random", &SceneScriptWorld::Maths},
        {"RandomRange", &SceneScriptWorld::RandomRange},
        {"SetPlayerBool", &SceneScriptWorld::SetPlayerValue},
        {"SetPlayerInt", &SceneScriptWorld::SetPlayerValue},
        {"SetPlayerString", &SceneScriptWorld::SetPlayerValue},
        {"GetPlayerBool", &SceneScriptWorld::GetPlayerBool},
        {"GetPlayerInt", &SceneScriptWorld::GetPlayerInt},
        {"GetPlayerString", &SceneScriptWorld::GetPlayerString},
        {"LoadTLFX", &SceneScriptWorld::LoadTLFX},
        {"PlayTLFX", &SceneScriptWorld::PlayTLFX},
        {"StopTLFX", &SceneScriptWorld::Nothing},
        {"DoWaveTop", &SceneScriptWorld::Nothing},
        {"SceneFinished", &SceneScriptWorld::Nothing},
        {"InvTake", &SceneScriptWorld::InvTake},
        {"InvExists", &SceneScriptWorld::InvExists},
        {"InvRemove", &SceneScriptWorld::InvRemove},
        {"InvReturn", &SceneScriptWorld::InvReturn},
        {"Wait", &SceneScriptWorld::Wait},
        {"StopWaiting", &SceneScriptWorld::StopWaiting},
        {"AddHogItem", &SceneScriptWorld::AddHogItem},
        {"FindHogItem", &SceneScriptWorld::InvTake},
        {"PlaySound", &SceneScriptWorld::PlaySound},
        {"Shake", &SceneScriptWorld::Nothing},
        {"StreamEnvironment", &SceneScriptWorld::StreamEnvironment},
    };
    return handlers;
}

void SceneScriptWorld::Dispatch(asIScriptGeneric* generic) {
    auto* world = static_cast<SceneScriptWorld*>(generic->GetAuxiliary());
    const auto handler = Handlers().find(generic->GetFunction()->GetName());
    if (handler != Handlers().end()) (world->*handler->second)(generic);
}

bool SceneScriptWorld::RegisterFunctions(ScriptHost& scripts) {
    for (const Registration& r : kSceneFunctions) {
        if (Handlers().count(r.name) == 0) return false;
        if (scripts.Engine()->RegisterGlobalFunction(r.declaration, asFUNCTION(Dispatch), asCALL_GENERIC, this) < 0) {
            return false;
        }
    }
    return true;
}

bool SceneScriptWorld::Build() {
    host = std::make_unique<ScriptHost>();
    if (!host->InitScriptHost([this](ScriptHost& scripts) { return RegisterFunctions(scripts); })) return false;
    return !scriptText.empty() && host->BuildSceneModule(name, scriptText);
}

void SceneScriptWorld::Enter() {
    if (!Build()) Fault("the script does not build");
    sections = document;
    bag.clear();
    carried.clear();
    list.clear();
    loadedEffects.clear();
    waiting = false;
    host->CallVoid("void OnEnter()");
}

void SceneScriptWorld::Tick(int steps) {
    for (int i = 0; i < steps; ++i) {
        for (Section& section : sections) {
            section.opacity = std::clamp(section.opacity + 0.01 * section.fade, 0.0, 1.0);
            if (section.opacity <= 0.0 || section.opacity >= 1.0) section.fade = 0;
        }
        host->CallVoid("void OnTick()");
    }
}

void SceneScriptWorld::Click(const std::string& section) {
    if (waiting) return;
    const Section* target = Find(section);
    if (target == nullptr || !target->active || !target->hit) return Fault("a click on " + section + ", which cannot be hit");
    host->CallWithPoint("void OnLeftClick(int x, int y)", target->hitCentreX, target->hitCentreY);
    host->CallWithText("void OnInteract(LDvString id)", section);
}

void SceneScriptWorld::Use(const std::string& item, const std::string& section) {
    if (waiting) return;
    carried = item;
    host->CallForBool("void OnCombine(LDvString strID, LDvString strZone)", item, section);
    carried.clear();
}

bool SceneScriptWorld::CanCombine(const std::string& item, const std::string& section) {
    return host->CallForBool("bool CanCombine(LDvString strItemID, LDvString strSection)", item, section);
}

std::string SceneScriptWorld::Hint() { return host->CallForText("LDvString GetHint()"); }

std::string SceneScriptWorld::Cursor(const std::string& section) {
    const Section* target = Find(section);
    const std::string cursor = host->CallForTextAt("LDvString OnCursor(int x, int y, LDvString strHitzone)",
                                                   target ? target->hitCentreX : 0, target ? target->hitCentreY : 0, section);
    if (std::find(std::begin(kCursors), std::end(kCursors), cursor) == std::end(kCursors)) Fault("cursor " + cursor);
    return cursor;
}

bool SceneScriptWorld::Finished() const {
    if (name.size() < 3 || name.compare(name.size() - 3, 3, "hog") != 0) {
        return std::any_of(bag.begin(), bag.end(), [](const auto& held) { return held.first == "REWARD"; });
    }
    return std::all_of(list.begin(), list.end(), [](const ListEntry& e) { return e.found == e.count; });
}

const SceneScriptWorld::Section* SceneScriptWorld::Find(const std::string& section) const {
    for (const Section& s : sections) {
        if (s.name == section) return &s;
    }
    return nullptr;
}

std::vector<std::string> SceneScriptWorld::Held() const {
    std::vector<std::string> ids;
    for (const auto& held : bag) ids.push_back(held.first);
    return ids;
}

std::string SceneScriptWorld::Snapshot() const {
    std::string text;
    char line[160];
    for (const Section& s : sections) {
        const bool seen = !s.hidden && s.fade >= 0 && (s.opacity > 0 || s.fade > 0);
        std::snprintf(line, sizeof line, "%s %s %s at %+.0f %+.0f turned %.0f\n", s.name.c_str(),
                      s.active ? "active" : "inactive", seen ? "seen" : "unseen", std::round(s.dx), std::round(s.dy),
                      std::round(s.angle));
        text += line;
    }
    for (const auto& held : bag) text += "held " + held.first + " x" + std::to_string(held.second) + "\n";
    for (const ListEntry& e : list) text += "list " + e.name + " " + std::to_string(e.found) + "/" + std::to_string(e.count) + "\n";
    return text;
}

void SceneScriptWorld::Fault(const std::string& what) { faults.push_back(what); }

SceneScriptWorld::Section* SceneScriptWorld::Lookup(asIScriptGeneric* g, bool includeInactive) {
    const std::string& id = Text(g, 0);
    const std::string function = g->GetFunction()->GetName();
    sectionsNamed.insert(id);
    for (Section& s : sections) {
        if (s.name != id) continue;
        if (!s.active && !includeInactive) {
            Fault(function + " on the inactive section " + id + " does nothing");
            return nullptr;
        }
        return &s;
    }
    Fault(function + " names " + id + ", which the document lacks");
    return nullptr;
}

SceneScriptWorld::Section* SceneScriptWorld::LookupPicture(asIScriptGeneric* g) {
    Section* s = Lookup(g);
    if (s != nullptr && !s->picture) {
        Fault(std::string(g->GetFunction()->GetName()) + " on " + s->name + ", which has no picture");
        return nullptr;
    }
    return s;
}

void SceneScriptWorld::Print(asIScriptGeneric* g) {
    static const std::map<unsigned long, long> font = readFontAdvances("Artifika_14Pt");
    const std::string& text = Text(g, 0);
    if (wrappedLines(font, text, kTextWidth) > kTextLines) Fault("too long for the text box: " + text);
    printed.push_back(text);
}

void SceneScriptWorld::Rotate(asIScriptGeneric* g) {
    if (Section* s = LookupPicture(g)) s->angle += g->GetArgFloat(1);
}

void SceneScriptWorld::Move(asIScriptGeneric* g) {
    if (Section* s = Lookup(g)) {
        s->dx += Int(g, 1);
        s->dy += Int(g, 2);
    }
}

void SceneScriptWorld::MoveF(asIScriptGeneric* g) {
    if (Section* s = Lookup(g)) {
        s->dx += g->GetArgFloat(1);
        s->dy += g->GetArgFloat(2);
    }
}

void SceneScriptWorld::SetPos(asIScriptGeneric* g) {
    if (Section* s = Lookup(g)) {
        s->dx = Int(g, 1) - s->hitCentreX;
        s->dy = Int(g, 2) - s->hitCentreY;
    }
    g->SetReturnDWord(0);
}

void SceneScriptWorld::PicturePosition(asIScriptGeneric* g) {
    const Section* s = LookupPicture(g);
    g->SetReturnDWord(static_cast<asDWORD>(s ? s->hitCentreX + static_cast<int>(s->dx) : 0));
}

void SceneScriptWorld::HitzoneXCenter(asIScriptGeneric* g) {
    const Section* s = Lookup(g);
    g->SetReturnDWord(static_cast<asDWORD>(s ? s->hitCentreX + static_cast<int>(s->dx) : 0));
}

void SceneScriptWorld::HitzoneYCenter(asIScriptGeneric* g) {
    const Section* s = Lookup(g);
    g->SetReturnDWord(static_cast<asDWORD>(s ? s->hitCentreY + static_cast<int>(s->dy) : 0));
}

void SceneScriptWorld::SetOpacity(asIScriptGeneric* g) {
    if (Section* s = LookupPicture(g)) s->opacity = Int(g, 1) / 100.0;
}

void SceneScriptWorld::PictureOnly(asIScriptGeneric* g) { LookupPicture(g); }

void SceneScriptWorld::FadeOut(asIScriptGeneric* g) {
    if (Section* s = LookupPicture(g)) s->fade = -1;
}

void SceneScriptWorld::FadeIn(asIScriptGeneric* g) {
    if (Section* s = LookupPicture(g)) s->fade = 1;
}

void SceneScriptWorld::Activate(asIScriptGeneric* g) {
    if (Section* s = Lookup(g, true)) s->active = g->GetArgByte(1) != 0;
}

void SceneScriptWorld::IsActive(asIScriptGeneric* g) {
    const Section* s = Lookup(g, true);
    g->SetReturnByte(s != nullptr && s->active);
}

void SceneScriptWorld::Hide(asIScriptGeneric* g) {
    if (Section* s = LookupPicture(g)) s->hidden = true;
}

void SceneScriptWorld::Show(asIScriptGeneric* g) {
    if (Section* s = LookupPicture(g)) s->hidden = false;
}

void SceneScriptWorld::SectionOnly(asIScriptGeneric* g) { Lookup(g); }

void SceneScriptWorld::Maths(asIScriptGeneric* g) { g->SetReturnFloat(0.5f); }

void SceneScriptWorld::RandomRange(asIScriptGeneric* g) {
    g->SetReturnDWord(static_cast<asDWORD>(std::min(Int(g, 0), Int(g, 1))));
}

void SceneScriptWorld::SetPlayerValue(asIScriptGeneric* g) {
    const std::string function = g->GetFunction()->GetName();
    const std::string& key = Text(g, 0);
    if (function == "SetPlayerBool") playerValues[key] = g->GetArgByte(1) ? "1" : "0";
    else if (function == "SetPlayerInt") playerValues[key] = std::to_string(Int(g, 1));
    else playerValues[key] = Text(g, 1);
}

void SceneScriptWorld::GetPlayerBool(asIScriptGeneric* g) {
    const auto value = playerValues.find(Text(g, 0));
    g->SetReturnByte(value != playerValues.end() && std::atol(value->second.c_str()) != 0);
}

void SceneScriptWorld::GetPlayerInt(asIScriptGeneric* g) {
    const auto value = playerValues.find(Text(g, 0));
    g->SetReturnDWord(static_cast<asDWORD>(value == playerValues.end() ? 0 : std::atol(value->second.c_str())));
}

void SceneScriptWorld::GetPlayerString(asIScriptGeneric* g) {
    const auto value = playerValues.find(Text(g, 0));
    std::string text = value == playerValues.end() ? "" : value->second;
    g->SetReturnObject(&text);
}

void SceneScriptWorld::LoadTLFX(asIScriptGeneric* g) {
    const std::string& id = Text(g, 0);
    const bool present = std::any_of(effectFiles.begin(), effectFiles.end(), [&](const std::string& f) { return f.rfind(id, 0) == 0; });
    if (!present) return Fault("no effect sheet for " + id);
    loadedEffects.insert(id);
}

void SceneScriptWorld::PlayTLFX(asIScriptGeneric* g) {
    if (loadedEffects.count(Text(g, 0)) == 0) Fault("PlayTLFX of " + Text(g, 0) + ", never loaded");
    if (Int(g, 5) < 1) Fault("PlayTLFX of " + Text(g, 0) + " at speed " + std::to_string(Int(g, 5)));
}

void SceneScriptWorld::Nothing(asIScriptGeneric*) {}

void SceneScriptWorld::Take(std::string id) {
    id = upper(id);
    if (items.count(id) == 0) return Fault("no inventory picture for " + id);
    everHeld.insert(id);
    const auto held = std::find_if(bag.begin(), bag.end(), [&](const auto& h) { return h.first == id; });
    if (held != bag.end()) held->second++;
    else bag.emplace_back(id, 1);
    MarkFound(id);
}

void SceneScriptWorld::MarkFound(const std::string& id) {
    for (ListEntry& entry : list) {
        if (upper(entry.name) != id) continue;
        if (++entry.found > entry.count) Fault(entry.name + " found more often than listed: the list never completes");
        return;
    }
}

void SceneScriptWorld::InvTake(asIScriptGeneric* g) { Take(Text(g, 0)); }

void SceneScriptWorld::InvExists(asIScriptGeneric* g) {
    const std::string id = upper(Text(g, 0));
    g->SetReturnByte(std::any_of(bag.begin(), bag.end(), [&](const auto& h) { return h.first == id; }));
}

void SceneScriptWorld::InvRemove(asIScriptGeneric* g) {
    const std::string id = upper(Text(g, 0));
    const auto held = std::find_if(bag.begin(), bag.end(), [&](const auto& h) { return h.first == id; });
    if (held == bag.end()) return Fault("InvRemove of " + id + ", which is not held");
    bag.erase(held);
    if (carried == id) carried.clear();
}

void SceneScriptWorld::InvReturn(asIScriptGeneric*) { carried.clear(); }

void SceneScriptWorld::Wait(asIScriptGeneric*) { waiting = true; }

void SceneScriptWorld::StopWaiting(asIScriptGeneric*) { waiting = false; }

void SceneScriptWorld::AddHogItem(asIScriptGeneric* g) {
    const std::string& item = Text(g, 0);
    if (items.count(upper(item)) == 0) Fault("the list names " + item + ", which no inventory picture is");
    list.push_back({item, Text(g, 1), Int(g, 2), 0});
}

void SceneScriptWorld::PlaySound(asIScriptGeneric* g) {
    if (!fileIn("sounds/sfx_named", Text(g, 0) + ".ogg")) Fault("no named sound " + Text(g, 0));
}

void SceneScriptWorld::StreamEnvironment(asIScriptGeneric* g) {
    if (!fileIn("sounds/env_named", Text(g, 0) + ".ogg")) Fault("no named ambience " + Text(g, 0));
}
