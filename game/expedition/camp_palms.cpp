#include "game/expedition/camp_palms.h"

#include <string>

#include "engine/parallel_jobs.h"
#include "framework/core/game_log.h"
#include "framework/ui/overlay_images.h"
#include "framework/ui/sheet_pixels.h"
#include "framework/ui/turned_frames.h"

namespace {

struct Planting {
    int sheet;          // 0..3: "palm1" .. "palm4"
    int x, y;           // top-left corner
    float scale;
    int angle;          // degrees
};

constexpr Planting kPlanting[CampPalms::kPalmCount] = {
    {0, 852, 358, 1.0f, 0},    {0, 1214, 440, 1.0f, 0},  {0, 955, 255, 0.6f, 0},    {1, 620, 387, 1.0f, 0},
    {1, 547, 277, 0.85f, -5},  {1, 769, 223, 0.67f, 0},  {1, 1012, 501, 0.64f, 3},  {2, 1196, 307, 1.0f, 13},
    {2, 456, 357, 0.81f, -12}, {2, 274, 420, 0.85f, -12}, {2, 576, 516, 0.7f, -17}, {3, 740, 502, 0.8f, -13},
    {3, 292, 336, 0.8f, -13},  {3, 611, 227, 0.48f, -12}, {3, 872, 246, 0.62f, 21}, {3, 1015, 332, 0.7f, 7},
    {3, 1075, 426, 0.7f, 18},
};

constexpr int kTicksPerFrame = 4;
constexpr float kPalmOpacity = 0.94f;
constexpr int kPlacementReach = 50;   // pixels

}  // namespace

CampPalms::CampPalms() {
    for (int i = 0; i < kPalmCount; ++i) {
        auto palm = std::make_unique<TLPlayer>(palmSheets[i]);
        palm->x = static_cast<float>(kPlanting[i].x);
        palm->y = static_cast<float>(kPlanting[i].y);
        palm->ticksPerFrame = kTicksPerFrame;
        palm->opacityPercent = 100;       // the sheets carry the palms' opacity, scale and turn
        palm->additive = false;
        palm->topLeft = true;
        palm->looping = true;
        palm->backAndForth = true;
        palm->direction = 1;
        players.push_back(std::move(palm));
    }
}

void CampPalms::Load() {
    for (int i = 0; i < kSheets; ++i) {
        if (sheets[i].loaded) continue;
        LoadFrames(&sheets[i], "states/camp/palm" + std::to_string(i + 1) + ".png", kFrames, 1, kFrames);
    }
    MakePalmSheets();
    for (LDvSprite& sheet : sheets) UnloadImage(&sheet);
    for (auto& palm : players) {
        palm->direction = 1;
        palm->StartAtRandomFrame();
    }
}

// Every palm gets a sheet of its own, shared with no other (pictures are never shared), made on
// every processor since the camp waits for them behind its fade.
void CampPalms::MakePalmSheets() {
    std::array<SheetPixels, kSheets> sources;
    for (int i = 0; i < kSheets; ++i) {
        if (!ReadSheetPixels(sheets[i], sources[i])) Log("palm sheet " + std::to_string(i + 1) + " has no pixels");
    }
    std::array<TurnedFrames, kPalmCount> turned;
    runJobs(kPalmCount, [&](size_t i) {
        const Planting& planting = kPlanting[i];
        turned[i] = TurnFrames(sources[planting.sheet], kFrames, planting.scale, static_cast<float>(planting.angle));
        FadePixels(turned[i].sheet.pixels, kPalmOpacity);
    });
    for (int i = 0; i < kPalmCount; ++i) {
        if (palmSheets[i].loaded) UnloadImage(&palmSheets[i]);
        LoadSheet(palmSheets[i], turned[i].sheet, kFrames);
        players[i]->x = static_cast<float>(kPlanting[i].x + turned[i].offsetX);
        players[i]->y = static_cast<float>(kPlanting[i].y + turned[i].offsetY);
    }
}

void CampPalms::Release() {
    for (LDvSprite& sheet : sheets) UnloadImage(&sheet);
    for (LDvSprite& sheet : palmSheets) UnloadImage(&sheet);
}

void CampPalms::LogPalmsNear(LDvPoint pointer) const {
    for (int i = 0; i < kPalmCount; ++i) {
        const float dx = static_cast<float>(kPlanting[i].x - pointer.x);
        const float dy = static_cast<float>(kPlanting[i].y - pointer.y);
        if (dx * dx + dy * dy <= static_cast<float>(kPlacementReach * kPlacementReach)) {
            Log("tree index:" + std::to_string(i));
        }
    }
}
