#include "tools/forge/art/map_mockup.h"

#include <algorithm>

#include "game/expedition/map_layout.h"
#include "tools/forge/art/map_geography.h"
#include "tools/forge/art/map_icons.h"
#include "tools/forge/art/map_markers.h"
#include "tools/forge/art/map_sea.h"
#include "tools/forge/core/canvas.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/gui/boards.h"
#include "tools/forge/gui/paint.h"
#include "tools/forge/paint/sheet.h"

namespace {

using map_layout::kCanvasHeight;
using map_layout::kCanvasWidth;

constexpr int kPreviewScale = 2;  // the whole island at half size
constexpr int kTipWidth = 450, kTipHeight = 300;
// The tip box from its point: below it (the second map tip) or, for points low enough, above it,
// kept on the screen as the map keeps it.
constexpr int kTipLeft = 222, kTipBelow = 27 + 64, kTipAbove = 27 + 359, kTipLowestAbove = 350;

// What a mock-up shows: the expedition count, the player's place (empty: no expedition running),
// the icons discoveries have shown, the buttons at rest, and a tip pointing at a place.
struct MapScene {
    int count = 0;
    std::string player;
    std::vector<std::string> shownIcons;
    bool buttons = false;
    std::string tipAt;        // a place the tip points at from below
    MapPoint tipScreen{-1, -1};  // or a point of the screen
    std::string tipText;
};

bool landShown(const MapLandmass& land, int count) { return land.reveal <= count; }

void drawCentred(Canvas& canvas, const RgbaImage& image, double x, double y) {
    canvas.drawImage(image, x - image.width / 2.0, y - image.height / 2.0);
}

PlaceState stateOf(const MapLocation& place, const MapLocation& current) {
    if (place.id == current.id) return PlaceState::Current;
    if (std::find(current.exits.begin(), current.exits.end(), place.id) == current.exits.end()) return PlaceState::Unreachable;
    return place.discovery == kNoDiscovery ? PlaceState::Found : PlaceState::New;
}

void drawMarkers(Canvas& canvas, const std::vector<MapLandmass>& table, const MapScene& scene, MapPoint view) {
    const MapLocation* current = findMapLocation(table, scene.player);
    if (current == nullptr) return;
    const RgbaImage question = questionMarkFrame(0);
    const RgbaImage pointer = clickPointer();
    for (const MapLandmass& land : table) {
        if (!landShown(land, scene.count)) continue;
        for (const MapLocation& place : land.locations) {
            const PlaceState state = stateOf(place, *current);
            const double x = place.point.x + view.x, y = place.point.y + view.y;
            drawCentred(canvas, locationPicture(state), x, y);
            if (state != PlaceState::New) continue;
            drawCentred(canvas, question, x + map_layout::kQuestionMarkCentre.x, y + map_layout::kQuestionMarkCentre.y);
            canvas.drawImage(pointer, x + map_layout::kPointerCorner.x, y + map_layout::kPointerCorner.y);
        }
    }
    const double px = current->point.x + view.x, py = current->point.y + view.y;
    canvas.drawImage(professorHead(), px + map_layout::kHeadCorner.x, py + map_layout::kHeadCorner.y);
    canvas.drawImage(headArrow(), px + map_layout::kArrowCorner.x, py + map_layout::kArrowCorner.y);
}

void drawIcons(Canvas& canvas, const std::vector<MapLandmass>& table, const MapScene& scene, MapPoint view, bool under) {
    for (const MapLandmass& land : table) {
        if (!landShown(land, scene.count)) continue;
        for (const MapIcon& icon : land.icons) {
            const bool shown = !icon.hidden || std::find(scene.shownIcons.begin(), scene.shownIcons.end(), icon.name) !=
                                                   scene.shownIcons.end();
            if (shown && icon.underMarkers == under) canvas.drawImage(mapIconPicture(icon.name), icon.corner.x + view.x, icon.corner.y + view.y);
        }
    }
}

void drawTip(Canvas& canvas, const std::vector<MapLandmass>& table, const MapScene& scene, MapPoint view) {
    double px = scene.tipScreen.x, py = scene.tipScreen.y;
    const MapLocation* place = findMapLocation(table, scene.tipAt);
    if (place != nullptr) {
        px = place->point.x + view.x;
        py = place->point.y + view.y;
    }
    if (px < 0) return;
    const bool below = place != nullptr || py < kTipLowestAbove;
    const double x = std::clamp(px - kTipLeft, 0.0, double(kCanvasWidth - kTipWidth));
    const double y = std::clamp(below ? py + kTipBelow : py - kTipAbove, 0.0, double(kCanvasHeight - kTipHeight));
    cairo_t* cr = canvas.cr();
    roundedRectPath(cr, x, y, kTipWidth, kTipHeight, 18);
    setColor(cr, guiPalette::kDialogFill, 0.92);
    cairo_fill_preserve(cr);
    setColor(cr, guiPalette::kBrass);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    drawCentredText(cr, scene.tipText, x + kTipWidth / 2.0, y + 140, Face::Body, 22, palette::kWhite);
    const double tipY = below ? y - 50 : y + kTipHeight + 50, baseY = below ? y + 6 : y + kTipHeight - 6;
    cairo_move_to(cr, px, tipY);
    cairo_line_to(cr, px - 30, baseY);
    cairo_line_to(cr, px + 30, baseY);
    cairo_close_path(cr);
    setColor(cr, guiPalette::kGoldLight);
    cairo_fill(cr);
}

// The map as the game draws it over its sea: land, icons under the markers, markers with the
// player's marker, the other icons.
void drawMap(Canvas& canvas, const std::vector<MapLandmass>& table, const std::vector<LandPiece>& pieces,
             const MapScene& scene, MapPoint view) {
    for (const MapLandmass& land : table) {
        const auto piece = std::find_if(pieces.begin(), pieces.end(), [&](const LandPiece& p) { return p.name == land.name; });
        if (piece != pieces.end() && landShown(land, scene.count)) canvas.drawImage(piece->land, land.pos.x + view.x, land.pos.y + view.y);
    }
    drawIcons(canvas, table, scene, view, true);
    drawMarkers(canvas, table, scene, view);
    drawIcons(canvas, table, scene, view, false);
}

// The screen: the sea, the map, the buttons and boards, then a tip.
RgbaImage composeScreen(const std::vector<MapLandmass>& table, const std::vector<LandPiece>& pieces,
                        const MapScene& scene, MapPoint view) {
    Canvas canvas(kCanvasWidth, kCanvasHeight);
    canvas.drawImage(mapSea(), 0, 0);
    drawMap(canvas, table, pieces, scene, view);
    if (scene.buttons) {
        canvas.drawImage(mapButtonPicture("btnexpedition"), 1115, 744);
        canvas.drawImage(mapButtonPicture("btncamp"), 212, 744);
        const RgbaImage menu = menuButtonPicture();
        const RgbaImage score = scoreBoardPicture();
        canvas.drawImage(menu, 212, -20);
        canvas.drawImage(score, 400, -20);
    }
    drawTip(canvas, table, scene, view);
    return canvas.toImage();
}

MapPoint viewOn(MapPoint point) { return {kCanvasWidth / 2 - point.x, kCanvasHeight / 2 - point.y}; }

}  // namespace

RgbaImage islandSheet(const IslandPainting& island) {
    RgbaImage marked = island.image;
    const int w = marked.width;
    for (int y = 1; y < marked.height; ++y) {
        for (int x = 1; x < w; ++x) {
            const size_t i = static_cast<size_t>(y) * w + x;
            if (island.region[i] == island.region[i - 1] && island.region[i] == island.region[i - w]) continue;
            uint8_t* p = marked.at(x, y);
            p[0] = 255, p[1] = 40, p[2] = 200, p[3] = 255;
        }
    }
    Canvas canvas(w / kPreviewScale, marked.height / kPreviewScale);
    cairo_set_source_rgb(canvas.cr(), 0.10, 0.34, 0.46);
    cairo_paint(canvas.cr());
    canvas.drawImage(marked, 0, 0, 1.0 / kPreviewScale);
    return canvas.toImage();
}

RgbaImage landmassSheet(const std::vector<LandPiece>& pieces) {
    std::vector<RgbaImage> thumbs;
    for (const LandPiece& piece : pieces) {
        for (const RgbaImage* image : {&piece.glow, &piece.land}) {
            const double scale = 300.0 / std::max(image->width, image->height);
            thumbs.push_back(scaledCopy(*image, std::max(1, static_cast<int>(image->width * scale)),
                                        std::max(1, static_cast<int>(image->height * scale))));
        }
    }
    std::vector<SheetEntry> entries;
    for (size_t k = 0; k < thumbs.size(); ++k) entries.push_back({pieces[k / 2].name + (k % 2 ? "" : "_h"), &thumbs[k]});
    const Rgb sea{0.10, 0.34, 0.46};
    return contactSheet(entries, 6, 320, &sea);
}

void addMapMockups(Forge& forge, const std::vector<MapLandmass>& table, const std::vector<LandPiece>& pieces) {
    if (table.empty() || table.front().locations.empty()) return;
    const MapLocation& start = table.front().locations.front();
    MapScene first;
    first.count = 1;
    first.player = start.id;
    first.tipAt = "SUPPLY_BEACH";
    first.tipText = "Click a marker to travel there.";
    forge.addContactSheet("map_mockup_first", composeScreen(table, pieces, first, viewOn(start.point)));

    MapScene entering;
    entering.buttons = true;
    entering.tipScreen = {781, 376};
    entering.tipText = "This is our map. Click Expedition.";
    const MapLandmass& camp = table.front();
    forge.addContactSheet("map_mockup_enter", composeScreen(table, pieces, entering, viewOn({camp.pos.x + camp.cpos.x, camp.pos.y + camp.cpos.y})));

    MapScene browsing;
    browsing.count = 5;
    browsing.shownIcons = {"SUPPLY_CRATES", "MEDICINE_CHEST", "TURTLE_NEST", "SPRING"};
    browsing.buttons = true;
    const MapLocation* tortuga = findMapLocation(table, "TORTUGA");
    if (tortuga) forge.addContactSheet("map_mockup_browse", composeScreen(table, pieces, browsing, viewOn(tortuga->point)));

    MapScene everything;
    everything.count = 99;
    everything.player = "JUNGLE_ENTRANCE";
    for (const MapLandmass& land : table) {
        for (const MapIcon& icon : land.icons) everything.shownIcons.push_back(icon.name);
    }
    Canvas whole(kIslandWidth, kIslandHeight);
    cairo_rectangle(whole.cr(), 0, 0, kIslandWidth, kIslandHeight);
    setColor(whole.cr(), {0.12, 0.38, 0.51});
    cairo_fill(whole.cr());
    drawMap(whole, table, pieces, everything, {0, 0});
    const RgbaImage full = whole.toImage();
    forge.addContactSheet("map_mockup_full", scaledCopy(full, kIslandWidth * 3 / 5, kIslandHeight * 3 / 5));
}
