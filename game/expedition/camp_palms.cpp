#include "game/expedition/camp_palms.h"

#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/game_log.h"
#include "framework/ui/overlay_images.h"

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

// The palms are slightly see-through. Drawn at an opacity below 1 every palm takes the software
// renderer's slow modulated path (half the camp's frame time), so the sheet's own alpha carries the
// 94 % instead and the players draw it at full opacity. Every sheet owns its picture (pictures are
// never shared), and it is changed once, right after loading.
void BakeOpacity(LDvSprite& sheet, float opacity) {
    KGraphic* picture = sheet.Picture();
    if (picture == nullptr || picture->pixels().empty()) return;
    std::vector<uint32_t> pixels = picture->pixels();
    for (uint32_t& pixel : pixels) {
        auto* bytes = reinterpret_cast<uint8_t*>(&pixel);  // R, G, B, A in memory
        bytes[3] = static_cast<uint8_t>(static_cast<float>(bytes[3]) * opacity + 0.5f);
    }
    picture->loadPictureFromPixels(pixels.data(), static_cast<int>(picture->getWidth()),
                                   static_cast<int>(picture->getHeight()));
}

}  // namespace

CampPalms::CampPalms() {
    for (const Planting& planting : kPlanting) {
        auto palm = std::make_unique<TLPlayer>(sheets[planting.sheet]);
        palm->x = static_cast<float>(planting.x);
        palm->y = static_cast<float>(planting.y);
        palm->zoom = planting.scale;
        palm->angleDegrees = planting.angle;
        palm->ticksPerFrame = kTicksPerFrame;
        palm->opacityPercent = 100;       // the sheets carry the palms' opacity
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
        BakeOpacity(sheets[i], kPalmOpacity);
    }
    for (auto& palm : players) {
        palm->direction = 1;
        palm->StartAtRandomFrame();
    }
}

void CampPalms::Release() {
    for (LDvSprite& sheet : sheets) UnloadImage(&sheet);
}

void CampPalms::LogPalmsNear(LDvPoint pointer) const {
    for (size_t i = 0; i < players.size(); ++i) {
        const float dx = players[i]->x - static_cast<float>(pointer.x);
        const float dy = players[i]->y - static_cast<float>(pointer.y);
        if (dx * dx + dy * dy <= static_cast<float>(kPlacementReach * kPlacementReach)) {
            Log("tree index:" + std::to_string(i));
        }
    }
}
