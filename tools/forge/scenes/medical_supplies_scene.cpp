// The hidden-object scene "medical_supplies_hog": the ship's supply cabin, torn open by the storm,
// with the medicine chest's contents scattered through it. Sections, bottom-most first:
//   BANDAGE1..3, VIAL1..3, IODINE, SCISSORS, THERMOMETER, STETHOSCOPE, TWEEZERS, MORTAR,
//   SPECTACLES   the thirteen hidden objects (kHiddenSupplies; VIAL3 lies inside the locker)
//   LOCKER_DOOR   the medicine locker's shut door; a click opens it
//   LOCKER_OPEN   the door swung open (hidden at first)
//   NET, PLANK, SEAWEED   wreckage lying over some objects; it takes their clicks where it covers them
//   FX            where effects are drawn: above everything
// Every object's item picture (inventory/<item>.png) is painted by the same code.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "tools/forge/core/forge.h"
#include "tools/forge/gui/paint.h"
#include "tools/forge/paint/scenery.h"
#include "tools/forge/scenes/cabin_backdrop.h"
#include "tools/forge/scenes/cabin_props.h"
#include "tools/forge/scenes/scene_bar.h"
#include "tools/forge/scenes/scene_document.h"
#include "tools/forge/scenes/scene_paint.h"

namespace {

// Objects lie in the scene without outline glow or shadow of their own beyond a faint one: part
// of the game is that they sit in the clutter as if they belonged there.
ScenePiece supplyPiece(const HiddenSupply& s) {
    const int reach = static_cast<int>(s.size * 0.8) + 8;
    return paintPiece(static_cast<int>(s.x) - reach, static_cast<int>(s.y) - reach, reach * 2, reach * 2, [&](cairo_t* cr) {
        paintContactShadow(cr, s.x + 3, s.y + s.size * 0.28, s.size * 0.45, s.size * 0.12, 0.3);
        paintSupply(cr, s.supply, s.x, s.y, s.size, s.angle);
    });
}

SceneDocument paintScene() {
    SceneDocument scene(kSceneWidth, kSceneHeight);
    scene.setBackground(paintCabinBackdrop());
    for (const HiddenSupply& supply : kHiddenSupplies) scene.addObject(supply.section, supplyPiece(supply), 4);
    const int lockerLeft = static_cast<int>(cabin::kLockerX) - 80, lockerTop = static_cast<int>(cabin::kLockerY) - 30;
    scene.addObject("LOCKER_DOOR", paintPiece(lockerLeft, lockerTop, 260, 260, paintLockerDoor), 0);
    scene.addPicture("LOCKER_OPEN", paintPiece(lockerLeft, lockerTop, 260, 260, paintLockerOpenDoor), false);
    scene.addPicture("NET", paintPiece(30, 270, 340, 330, paintHangingNet), true);
    scene.addPicture("PLANK", paintPiece(560, 680, 260, 80, paintFallenPlank), true);
    scene.addPicture("SEAWEED", paintPiece(1300, 600, 300, 160, paintSeaweed), true);
    scene.addMarker("FX");
    scene.carveCoveredHits();
    scene.hideAtStart("LOCKER_OPEN");
    return scene;
}

void writeItems(Forge& forge) {
    std::vector<std::pair<std::string, RgbaImage>> pictures;
    for (const HiddenSupply& s : kHiddenSupplies) {
        const bool seen = std::any_of(pictures.begin(), pictures.end(), [&](const auto& p) { return p.first == s.item; });
        if (seen) continue;
        const Supply supply = s.supply;
        pictures.emplace_back(s.item, itemPicture([supply](cairo_t* cr) { paintSupply(cr, supply, 0, 0, 100, -0.35); }, 0, 0, 112));
        forge.writePng("inventory/" + pictures.back().first + ".png", pictures.back().second);
    }
    std::vector<SheetEntry> entries;
    for (const auto& picture : pictures) entries.push_back({picture.first, &picture.second});
    forge.addContactSheet("scene_medical_supplies_items", contactSheet(entries, 9, 120));
}

}  // namespace

FORGE_STEP(scene_medical_supplies) {
    if (!fontsPresent(forge)) return;
    const SceneDocument scene = paintScene();
    publishScene(forge, "medical_supplies_hog", scene, sceneBarPreview(true));
    writeItems(forge);
}
