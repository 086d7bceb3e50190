#include "tests/support/scene_data.h"

#include "engine/image_codec.h"
#include "game/scenes/scene_bar_pictures.h"

namespace {

constexpr uint32_t kBarPictureRgb = 0x6b4a2b;
constexpr uint32_t kStandInRgb = 0xc0c0c0;

struct StandIn {
    SceneBarPictures::Picture picture;
    int width, height;
};
// Big enough to hold the buttons and covers at their places on the bar.
constexpr StandIn kSizes[] = {
    {SceneBarPictures::kBar, 1600, 190},       {SceneBarPictures::kMenuButton, 80, 60},
    {SceneBarPictures::kHintButton, 64, 64},   {SceneBarPictures::kSkipButton, 64, 40},
    {SceneBarPictures::kGreyHint, 64, 64},     {SceneBarPictures::kGreySkip, 64, 40},
    {SceneBarPictures::kPrintBackDouble, 1196, 90}, {SceneBarPictures::kPrintBackSingle, 1196, 60},
    {SceneBarPictures::kHintStars, 64, 32},
};

void WritePng(const std::string& path, int width, int height, uint32_t rgb) {
    const RgbaImage picture = SolidPicture(width, height, rgb);
    writePngFile(path, reinterpret_cast<const uint32_t*>(picture.rgba.data()), width, height);
}

}  // namespace

PsdLayer ImageLayer(Box box, uint32_t rgb) {
    return PsdLayer{"IMG", box.left, box.top, SolidPicture(box.width, box.height, rgb), true};
}

PsdLayer HitLayer(Box box) { return PsdLayer{"HIT", box.left, box.top, SolidPicture(box.width, box.height, 0xffffff), true}; }

PsdGroup Group(const std::string& name, std::vector<PsdLayer> layers) { return PsdGroup{name, std::move(layers), false}; }

PsdDocument SceneDocument(uint32_t backgroundRgb, std::vector<PsdGroup> groups, int width, int height) {
    PsdDocument document;
    document.width = width;
    document.height = height;
    document.addLayer(PsdLayer{"Background", 0, 0, SolidPicture(width, height, backgroundRgb), false});
    for (PsdGroup& group : groups) document.addGroup(std::move(group));
    return document;
}

SceneData::SceneData() {
    for (size_t i = 0; i < SceneBarPictures::kCount; ++i) {
        const auto picture = static_cast<SceneBarPictures::Picture>(i);
        const std::string name = std::string("img/") + SceneBarPictures::PathOf(picture);
        if (holds(name)) continue;
        int width = 32, height = 32;
        for (const StandIn& size : kSizes) {
            if (size.picture != picture) continue;
            width = size.width;
            height = size.height;
        }
        WritePng(prepare(name), width, height, picture == SceneBarPictures::kBar ? kBarPictureRgb : kStandInRgb);
    }
}

void SceneData::AddScene(const std::string& name, const PsdDocument& document, const std::string& script) const {
    const std::vector<uint8_t> bytes = encodePsd(document);
    write("Scenes/" + name + ".psd", std::string(bytes.begin(), bytes.end()));
    if (!script.empty()) write("Scenes/" + name + ".angel", script);
}
