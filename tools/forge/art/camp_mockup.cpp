// Previews of the whole camp as the game composes it, for the contact sheets only (they paint
// everything again, so they are skipped when no contact sheets are asked for):
//   camp_mockup          every group built, the main menu and Play at rest, at 1600 x 900
//   camp_mockup_stages   at 1280 x 720: a new camp with only Play; the huts built with the build
//                        menu up and its badges; the huts rebuilt and the lab going up
#include <cmath>
#include <string>
#include <vector>

#include "game/expedition/camp_layout.h"
#include "tools/forge/art/camp_back.h"
#include "tools/forge/art/camp_buildings.h"
#include "tools/forge/art/camp_buttons.h"
#include "tools/forge/art/camp_palms.h"
#include "tools/forge/core/canvas.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/gui/boards.h"
#include "tools/forge/gui/paint.h"
#include "tools/forge/paint/sheet.h"

namespace {

using namespace camp_layout;

struct Scene {
    std::vector<int> groupStage;     // stage per group, 0 for not built
    std::vector<std::string> buttons;  // button files, in the order of the rests below
    std::vector<Point> rests;
    std::vector<std::pair<std::string, Point>> badges;
};

// Zoom and turn about the frame's centre, the frame's corner at the table's point.
void drawPalm(Canvas& canvas, const RgbaImage& frame, const PalmPlace& palm) {
    cairo_surface_t* source = surfaceFromImage(frame);
    cairo_t* cr = canvas.cr();
    cairo_save(cr);
    cairo_translate(cr, palm.x + frame.width / 2.0, palm.y + frame.height / 2.0);
    cairo_rotate(cr, palm.angle * M_PI / 180.0);
    cairo_scale(cr, palm.scale, palm.scale);
    cairo_translate(cr, -frame.width / 2.0, -frame.height / 2.0);
    cairo_set_source_surface(cr, source, 0, 0);
    cairo_paint_with_alpha(cr, 0.94);
    cairo_restore(cr);
    cairo_surface_destroy(source);
}

void drawGroup(Canvas& canvas, const BuildGroupEntry& group, int stage) {
    if (stage <= 0) return;
    for (const BuildingPlace& place : group.buildings) {
        const BuildingArt* art = findBuildingArt(place.image);
        if (art) canvas.drawImage(art->paint(stage), place.x, place.y);
    }
}

// What every preview shares: the background, the buttons and a frame of each palm strip.
struct Parts {
    RgbaImage back;
    std::vector<CampPicture> pictures;
    std::vector<RgbaImage> palms;
};

// The drawing order of the camp: background, group 0, palms, boards, buttons, groups 1 to 9.
RgbaImage compose(const Parts& parts, const std::vector<BuildGroupEntry>& groups, const Scene& scene) {
    const RgbaImage& back = parts.back;
    const std::vector<CampPicture>& pictures = parts.pictures;
    Canvas canvas(back.width, back.height);
    canvas.drawImage(back, 0, 0);
    const auto stageOf = [&](size_t g) { return g < scene.groupStage.size() ? scene.groupStage[g] : 0; };
    if (!groups.empty()) drawGroup(canvas, groups[0], stageOf(0));
    for (const PalmPlace& palm : kPalms) drawPalm(canvas, parts.palms[static_cast<size_t>(palm.strip - 1)], palm);
    canvas.drawImage(menuButtonPicture(), kMenuButtonX, kBoardRestY);
    canvas.drawImage(levelBoardPicture(), kLevelBoardX, kBoardRestY);
    canvas.drawImage(scoreBoardPicture(), kScoreBoardX, kBoardRestY);
    for (size_t i = 0; i < scene.buttons.size() && i < scene.rests.size(); ++i) {
        canvas.drawImage(campPicture(pictures, scene.buttons[i]), scene.rests[i].x, scene.rests[i].y);
    }
    for (const auto& [file, at] : scene.badges) {
        canvas.drawImage(campPicture(pictures, file), at.x + kBadgeOffset.x, at.y + kBadgeOffset.y);
    }
    for (size_t g = 1; g < groups.size(); ++g) drawGroup(canvas, groups[g], stageOf(g));
    return canvas.toImage();
}

Scene everythingBuilt(size_t groups) {
    return {std::vector<int>(groups, 3),
            {"btnfieldguide", "btnbuild", "btnexplore", "btnplay"},
            {kFieldGuideRest, kBuildRest, kExploreRest, kPlayRest},
            {}};
}

Scene newCamp() { return {{}, {"btnplay"}, {kPlayRest}, {}}; }

Scene hutsBuiltInBuildMenu() {
    return {{3},
            {"btnback", "btnupgradehuts", "btnbuildlab", "btnbuildclinic"},
            {kBackRest, kBuildMenuRests[0], kBuildMenuRests[1], kBuildMenuRests[2]},
            {{"btnlocked", kBuildMenuRests[0]}, {"btnlowcash", kBuildMenuRests[1]}, {"btnlocked", kBuildMenuRests[2]}}};
}

Scene labGoingUp() {
    return {{3, 3, 2},
            {"btnfieldguide", "btnbuild", "btnexplore", "btnplay"},
            {kFieldGuideRest, kBuildRest, kExploreRest, kPlayRest},
            {}};
}

}  // namespace

FORGE_STEP(camp_mockup) {
    if (!forge.wantsContactSheets() || !fontsPresent(forge)) return;
    std::string text;
    std::vector<BuildGroupEntry> groups;
    std::string error;
    if (!forge.readContent("build.ini", text) || !readBuildTable(text, groups, error)) return;
    Parts parts{campBackground(groups), campButtonPictures(), {}};
    for (int strip = 1; strip <= 4; ++strip) parts.palms.push_back(campPalmFrame(strip, 0));
    forge.addContactSheet("camp_mockup", compose(parts, groups, everythingBuilt(groups.size())));
    std::vector<RgbaImage> stages;
    for (const Scene& scene : {newCamp(), hutsBuiltInBuildMenu(), labGoingUp()}) {
        stages.push_back(scaledCopy(compose(parts, groups, scene), 1280, 720));
    }
    forge.addContactSheet("camp_mockup_stages", previewRow(stages, 1300));
}
