// The adventure scene "god_of_air": the God of Air's cliff shrine. Three carved tiles belong in
// the altar's sockets; the branch knocks the cloud tile out of a nest, the flint cuts the vines
// from the feather tile's hollow and the wax from the urn that holds the spiral tile. The
// sections, bottom-most first, and what they are for:
//   SEA, FACE, MOUTH, PLAQUE, ALTAR   places to look at (hit areas only)
//   SOCKET_CLOUD, SOCKET_FEATHER, SOCKET_SPIRAL   where the tiles go (hit areas only)
//   SET_CLOUD, SET_FEATHER, SET_SPIRAL   the tiles lying in their sockets (pictures, hidden at first)
//   TREE, WIND_CHIME, RUBBLE          more to look at; the chime rings
//   FLINT, BRANCH                     things to take
//   FEATHER_TILE, VINES               the tile in the hollow and the vines hanging over it
//   CLOUD_TILE, NEST                  the tile in the nest (it falls to the ground) and the nest
//   URN, URN_SEAL, URN_LID            the urn, its sealed lid, the lid put aside (hidden at first)
//   FACE_AWAKE                        the god's eyes and lips aglow (hidden at first)
//   FX                                where effects are drawn: above everything
// The inventory pictures of the things taken here are painted by the same code.
#include <cmath>
#include <iterator>
#include <string>
#include <vector>

#include "tools/forge/core/forge.h"
#include "tools/forge/gui/paint.h"
#include "tools/forge/paint/scenery.h"
#include "tools/forge/scenes/scene_bar.h"
#include "tools/forge/scenes/scene_document.h"
#include "tools/forge/scenes/scene_emblems.h"
#include "tools/forge/scenes/scene_paint.h"
#include "tools/forge/scenes/shrine_backdrop.h"
#include "tools/forge/scenes/shrine_props.h"

namespace {

using namespace shrine;

constexpr double kTileSize = 50;
constexpr double kBranchLength = 190;
constexpr double kBranchAngle = -0.12;
constexpr double kFlintSize = 40;

// A hit area filled by `path` (which only builds the path).
ScenePiece zone(int left, int top, int width, int height, const PaintFn& path) {
    return paintPiece(left, top, width, height, [&](cairo_t* cr) {
        path(cr);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_fill(cr);
    });
}

ScenePiece ellipseZone(double cx, double cy, double rx, double ry) {
    return zone(static_cast<int>(cx - rx) - 1, static_cast<int>(cy - ry) - 1, static_cast<int>(rx * 2) + 3,
                static_cast<int>(ry * 2) + 3, [=](cairo_t* cr) { ellipsePath(cr, cx, cy, rx, ry); });
}

ScenePiece polygonZone(std::initializer_list<std::pair<double, double>> points) {
    return zone(0, 0, kSceneWidth, kSceneHeight, [points](cairo_t* cr) {
        cairo_new_path(cr);
        for (const auto& p : points) cairo_line_to(cr, p.first, p.second);
        cairo_close_path(cr);
    });
}

void lookingPlaces(SceneDocument& scene) {
    scene.addHitZone("SEA", polygonZone({{0, kHorizonY + 2}, {440, kHorizonY + 2}, {418, 540}, {0, 540}}));
    scene.addHitZone("FACE", ellipseZone(kFaceX, kFaceY + 4, kFaceRadius * 1.6, kFaceRadius * 1.55));
    scene.addHitZone("MOUTH", ellipseZone(kMouthX, kMouthY, 48, 36));
    scene.addHitZone("PLAQUE", zone(static_cast<int>(kPlaqueX) - 90, static_cast<int>(kPlaqueY) - 25, 180, 50,
                                    [](cairo_t* cr) { cairo_rectangle(cr, kPlaqueX - 88, kPlaqueY - 23, 176, 46); }));
    scene.addHitZone("ALTAR", zone(static_cast<int>(kAltarX - kAltarRadiusX), static_cast<int>(kAltarY - kAltarRadiusY),
                                   static_cast<int>(kAltarRadiusX * 2) + 2, 200, [](cairo_t* cr) {
                                       ellipsePath(cr, kAltarX, kAltarY, kAltarRadiusX, kAltarRadiusY);
                                       cairo_rectangle(cr, kAltarX - kAltarRadiusX, kAltarY, kAltarRadiusX * 2, 40);
                                       cairo_rectangle(cr, kAltarX - kAltarRadiusX * 0.6, kAltarY, kAltarRadiusX * 1.2, 140);
                                   }));
}

void altarSockets(SceneDocument& scene) {
    const char* sockets[] = {"SOCKET_CLOUD", "SOCKET_FEATHER", "SOCKET_SPIRAL"};
    const char* set[] = {"SET_CLOUD", "SET_FEATHER", "SET_SPIRAL"};
    const WindSign signs[] = {WindSign::Cloud, WindSign::Feather, WindSign::Spiral};
    for (int i = 0; i < 3; ++i) scene.addHitZone(sockets[i], ellipseZone(kSocketX[i], kSocketY, kSocketRadiusX + 6, kSocketRadiusY + 6));
    for (int i = 0; i < 3; ++i) {
        const double x = kSocketX[i];
        scene.addPicture(set[i], paintPiece(static_cast<int>(x) - 60, static_cast<int>(kSocketY) - 40, 120, 80,
                                            [&](cairo_t* cr) { paintSetTile(cr, signs[i], x, kSocketY); }),
                         false);
    }
}

void treeAndGround(SceneDocument& scene) {
    scene.addHitZone("TREE", zone(0, 120, 360, kTreeFootY - 110, [](cairo_t* cr) {
                         cairo_new_path(cr);
                         for (const auto& p : {std::pair{kTreeFootX - 34, kTreeFootY}, {kTreeFootX - 40, kTreeFootY - 200},
                                               {kTreeFootX - 250, kTreeFootY - 400}, {kTreeFootX - 90, kTreeFootY - 300},
                                               {kTreeFootX + 30, kTreeFootY}}) {
                             cairo_line_to(cr, p.first, p.second);
                         }
                         cairo_close_path(cr);
                         ellipsePath(cr, kTreeFootX - 200, kTreeFootY - 420, 170, 80);
                     }));
    scene.addObject("WIND_CHIME", paintPiece(static_cast<int>(kChimeX) - 40, static_cast<int>(kChimeY) - 4, 80, 156,
                                             [](cairo_t* cr) { paintWindChime(cr, kChimeX, kChimeY); }),
                    6);
    scene.addHitZone("RUBBLE", ellipseZone(kRubbleX, kRubbleY - 6, 112, 44));
    scene.addObject("FLINT", paintPiece(static_cast<int>(kFlintX) - 40, static_cast<int>(kFlintY) - 30, 80, 60,
                                        [](cairo_t* cr) { paintFlint(cr, kFlintX, kFlintY, kFlintSize); }),
                    6);
    scene.addObject("BRANCH", paintPiece(static_cast<int>(kBranchX) - 130, static_cast<int>(kBranchY) - 80, 260, 130,
                                         [](cairo_t* cr) { paintFallenBranch(cr, kBranchX, kBranchY, kBranchLength, kBranchAngle); }),
                    5);
}

void cliffThings(SceneDocument& scene) {
    scene.addObject("FEATHER_TILE", paintPiece(static_cast<int>(kFeatherTileX) - 45, static_cast<int>(kFeatherTileY) - 45, 90, 90,
                                               [](cairo_t* cr) {
                                                   paintCarvedTile(cr, WindSign::Feather, kFeatherTileX, kFeatherTileY, kTileSize, 0.08);
                                               }),
                    4);
    scene.addObject("VINES", paintPiece(static_cast<int>(kNicheX) - 140, static_cast<int>(kNicheTop) - 60, 280, 320,
                                        [](cairo_t* cr) { paintVineCurtain(cr); }),
                    4);
    scene.addObject("CLOUD_TILE", paintPiece(static_cast<int>(kCloudTileX) - 45, static_cast<int>(kCloudTileY) - 45, 90, 90,
                                             [](cairo_t* cr) {
                                                 paintCarvedTile(cr, WindSign::Cloud, kCloudTileX, kCloudTileY, kTileSize, -0.3);
                                             }),
                    4);
    scene.addObject("NEST", paintPiece(static_cast<int>(kNestX) - 90, static_cast<int>(kNestY) - 60, 180, 110,
                                       [](cairo_t* cr) { paintNest(cr, kNestX, kNestY, 150); }),
                    8);
}

void urn(SceneDocument& scene) {
    const int left = static_cast<int>(kUrnX) - 130, top = static_cast<int>(kUrnFootY) - 170;
    scene.addObject("URN", paintPiece(left, top, 210, 190, [](cairo_t* cr) { paintUrnBody(cr, kUrnX, kUrnFootY); }), 4);
    scene.addPicture("URN_SEAL", paintPiece(left, top, 210, 190, [](cairo_t* cr) { paintUrnSeal(cr, kUrnX, kUrnFootY); }),
                     false);
    scene.addPicture("URN_LID", paintPiece(left, top, 210, 190, [](cairo_t* cr) { paintUrnLidOff(cr, kUrnX, kUrnFootY); }),
                     false);
}

SceneDocument paintScene() {
    SceneDocument scene(kSceneWidth, kSceneHeight);
    scene.setBackground(paintShrineBackdrop());
    lookingPlaces(scene);
    altarSockets(scene);
    treeAndGround(scene);
    cliffThings(scene);
    urn(scene);
    scene.addPicture("FACE_AWAKE", paintPiece(static_cast<int>(kFaceX) - 220, static_cast<int>(kFaceY) - 160, 440, 380,
                                              [](cairo_t* cr) { paintAwakeFace(cr); }),
                     false);
    scene.addMarker("FX");
    for (const char* name : {"SET_CLOUD", "SET_FEATHER", "SET_SPIRAL", "URN_LID", "FACE_AWAKE"}) scene.hideAtStart(name);
    return scene;
}

void writeItems(Forge& forge) {
    const auto tile = [](WindSign sign) {
        return itemPicture([sign](cairo_t* cr) { paintCarvedTile(cr, sign, 0, 0, 56, -0.12); }, 0, 0, 66);
    };
    const RgbaImage pictures[] = {
        itemPicture([](cairo_t* cr) { paintFallenBranch(cr, 0, 0, 150, -0.7); }, 0, 0, 150),
        itemPicture([](cairo_t* cr) { paintFlint(cr, 0, 0, 60); }, 0, 0, 70),
        tile(WindSign::Cloud),
        tile(WindSign::Feather),
        tile(WindSign::Spiral),
        itemPicture([](cairo_t* cr) { paintWindBlessing(cr, 0, 0, 60); }, 0, 0, 128),
    };
    const char* names[] = {"branch", "flint", "cloud_tile", "feather_tile", "spiral_tile", "reward"};
    std::vector<SheetEntry> entries;
    for (size_t i = 0; i < std::size(names); ++i) {
        forge.writePng(std::string("inventory/") + names[i] + ".png", pictures[i]);
        entries.push_back({names[i], &pictures[i]});
    }
    forge.addContactSheet("scene_god_of_air_items", contactSheet(entries, 6, 120));
}

}  // namespace

FORGE_STEP(scene_god_of_air) {
    if (!fontsPresent(forge)) return;
    const SceneDocument scene = paintScene();
    publishScene(forge, "god_of_air", scene, sceneBarPreview(false));
    writeItems(forge);
}
