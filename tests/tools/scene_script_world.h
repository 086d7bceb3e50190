#pragma once
// The adventure scene as its script sees it, for testing the generated scenes' scripts: a real
// script host with the 52 scene functions registered as stand-ins that act on the sections of the
// scene's generated document, a bag of items, a hidden-object list and the player's values.
// Whatever a script does that the game would not do as meant (a section the document lacks, a
// hidden or inactive section it tries to change, an item, sound or effect the data lacks, a text
// too long for the text box, an object found more often than listed) is written down as a fault.
//
// Flights, fades and text typing take no time here: a taken item is in the bag at once, and a
// hidden-object find counts the moment it is made.
#include <angelscript.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

class ScriptHost;

class SceneScriptWorld {
public:
    struct Section {
        std::string name;
        bool picture = false;    // the group has an "IMG" layer
        bool hit = false;        // ... and a "HIT" layer with at least one clickable pixel
        bool active = true;
        bool hidden = false;
        double dx = 0, dy = 0;   // moved from where the document puts it
        double angle = 0;
        double opacity = 1;
        int fade = 0;            // +1 fading in, -1 fading out
        int hitCentreX = 0, hitCentreY = 0;  // the centre of the hit area where the document puts it
    };
    struct ListEntry {
        std::string name, plural;
        int count = 0, found = 0;
    };

    explicit SceneScriptWorld(const std::string& sceneName);
    ~SceneScriptWorld();
    SceneScriptWorld(const SceneScriptWorld&) = delete;
    SceneScriptWorld& operator=(const SceneScriptWorld&) = delete;

    // Compiles the scene's script from the data folder against the scene functions.
    bool Build();
    // A visit as the game makes it: fresh script globals, the sections as the document has them,
    // an empty bag and list, then the script's OnEnter. The player's values are kept.
    void Enter();
    // One step: the sections' fades, then the script's OnTick.
    void Tick(int steps = 1);
    // A click on a section as the scene passes it on (nothing while the script waits).
    void Click(const std::string& section);
    // Picks up a held item and clicks a section with it; an item still carried afterwards goes
    // back to the bag, as it would when the player clicks elsewhere.
    void Use(const std::string& item, const std::string& section);
    bool CanCombine(const std::string& item, const std::string& section);
    std::string Hint();
    std::string Cursor(const std::string& section);

    bool Finished() const;  // the reward has landed, or every list entry is complete
    bool Waiting() const { return waiting; }
    const std::vector<Section>& Sections() const { return sections; }
    const Section* Find(const std::string& name) const;
    std::vector<std::string> Held() const;  // item ids in slot order
    const std::vector<ListEntry>& List() const { return list; }
    // What the player sees and can do, as text: every section's state and place, the bag, the list.
    std::string Snapshot() const;

    std::map<std::string, std::string> playerValues;
    std::vector<std::string> faults;
    std::vector<std::string> printed;
    std::set<std::string> everHeld;
    std::set<std::string> sectionsNamed;  // every section name a script function was given

private:
    using Handler = void (SceneScriptWorld::*)(asIScriptGeneric*);
    static const std::map<std::string, Handler>& Handlers();
    static void Dispatch(asIScriptGeneric* generic);
    bool RegisterFunctions(ScriptHost& host);
    void ReadDocument();
    void Fault(const std::string& what);
    Section* Lookup(asIScriptGeneric* g, bool includeInactive = false);
    Section* LookupPicture(asIScriptGeneric* g);
    void Take(std::string id);
    void MarkFound(const std::string& id);

    // The scene functions, by the names the scripts call them.
    void Print(asIScriptGeneric* g);
    void Rotate(asIScriptGeneric* g);
    void Move(asIScriptGeneric* g);
    void MoveF(asIScriptGeneric* g);
    void SetPos(asIScriptGeneric* g);
    void PicturePosition(asIScriptGeneric* g);
    void HitzoneXCenter(asIScriptGeneric* g);
    void HitzoneYCenter(asIScriptGeneric* g);
    void SetOpacity(asIScriptGeneric* g);
    void PictureOnly(asIScriptGeneric* g);
    void FadeOut(asIScriptGeneric* g);
    void FadeIn(asIScriptGeneric* g);
    void Activate(asIScriptGeneric* g);
    void IsActive(asIScriptGeneric* g);
    void Hide(asIScriptGeneric* g);
    void Show(asIScriptGeneric* g);
    void SectionOnly(asIScriptGeneric* g);
    void Maths(asIScriptGeneric* g);
    void RandomRange(asIScriptGeneric* g);
    void SetPlayerValue(asIScriptGeneric* g);
    void GetPlayerBool(asIScriptGeneric* g);
    void GetPlayerInt(asIScriptGeneric* g);
    void GetPlayerString(asIScriptGeneric* g);
    void LoadTLFX(asIScriptGeneric* g);
    void PlayTLFX(asIScriptGeneric* g);
    void Nothing(asIScriptGeneric* g);
    void InvTake(asIScriptGeneric* g);
    void InvExists(asIScriptGeneric* g);
    void InvRemove(asIScriptGeneric* g);
    void InvReturn(asIScriptGeneric* g);
    void Wait(asIScriptGeneric* g);
    void StopWaiting(asIScriptGeneric* g);
    void AddHogItem(asIScriptGeneric* g);
    void PlaySound(asIScriptGeneric* g);
    void StreamEnvironment(asIScriptGeneric* g);

    std::string name;
    std::string scriptText;
    std::unique_ptr<ScriptHost> host;
    std::vector<Section> document;   // the sections as the document has them
    std::vector<Section> sections;   // ... and as the script has left them
    std::set<std::string> items;     // ids of the inventory's pictures
    std::set<std::string> effectFiles;
    std::set<std::string> loadedEffects;
    std::vector<std::pair<std::string, int>> bag;  // id, count
    std::string carried;
    std::vector<ListEntry> list;
    bool waiting = false;
};
