// The intro movie's data: the pictures of the "IntroMovie" bundle under img/movies/intro/, the
// six scenes' skeletal animations (hand-written in content/animations, copied into "Spine/"), and
// previews of every scene posed at moments spread over its length. The forge fails when a scene
// shows a picture the bundle lacks, or the bundle holds a picture nothing paints.
#include <map>
#include <string>
#include <vector>

#include "game/cinematics/intro_movie_files.h"
#include "tools/forge/anim/spine_preview.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/gui/paint.h"
#include "tools/forge/movie/movie_paint.h"

namespace {

constexpr int kJpegQuality = 88;
constexpr int kPreviewsPerScene = 6;

std::string shortName(const std::string& file) { return file.substr(0, file.rfind('.')); }

std::map<std::string, RgbaImage> paintAll() {
    std::map<std::string, RgbaImage> pictures;
    pictures["oldfilm_frame"] = filmFrame();
    for (int n = 1; n <= 5; ++n) pictures["scratch" + std::to_string(n)] = filmScratch(n);
    paintTitleCard(pictures);
    paintHarbour(pictures);
    paintOpenSea(pictures);
    paintDeck(pictures);
    paintStorm(pictures);
    paintLanding(pictures);
    return pictures;
}

void writePictures(Forge& forge, const std::map<std::string, RgbaImage>& pictures) {
    std::map<std::string, bool> listed;
    for (const char* file : kIntroMoviePictures) {
        const std::string name = shortName(file);
        listed[name] = true;
        const auto found = pictures.find(name);
        if (found == pictures.end()) {
            forge.fail(std::string("intro movie: nothing paints ") + file);
            continue;
        }
        const std::string path = std::string("img/") + kIntroMovieFolder + file;
        if (std::string(file).ends_with(".jpg")) {
            forge.writeJpeg(path, found->second, kJpegQuality);
        } else {
            forge.writePng(path, found->second);
        }
    }
    for (const auto& [name, image] : pictures) {
        if (!listed.count(name)) forge.fail("intro movie: " + name + " is painted but not in the bundle");
    }
}

// The scene as the movie shows it: root at the screen's centre, at the zoom the scene ends on.
void previewScene(Forge& forge, const std::string& name, const std::map<std::string, RgbaImage>& pictures) {
    std::string skeletonText;
    std::string animationText;
    forge.readContent("animations/" + name + "-skeleton.json", skeletonText);
    forge.readContent("animations/" + name + "-animation.json", animationText);
    SpinePreview preview;
    std::string error;
    if (!preview.load(skeletonText, animationText, error)) return forge.fail(name + ": " + error);
    for (const std::string& missing : preview.pictureNames()) {
        if (!pictures.count(missing)) forge.fail(name + ": no picture \"" + missing + "\" in the movie bundle");
    }
    if (!forge.wantsContactSheets()) return;
    std::vector<RgbaImage> frames;
    std::vector<std::string> labels;
    for (int i = 0; i < kPreviewsPerScene; ++i) {
        const double t = preview.duration() * (i + 0.5) / kPreviewsPerScene;
        RgbaImage frame = preview.render(pictures, t, 1600, 900, 800, 450, 1.0);
        frames.push_back(std::move(frame));
        labels.push_back(name + " at " + std::to_string(t).substr(0, 4) + " s");
    }
    std::vector<SheetEntry> entries;
    for (size_t i = 0; i < frames.size(); ++i) entries.push_back({labels[i], &frames[i]});
    forge.addContactSheet("movie_" + name, contactSheet(entries, 2, 800));
}

}  // namespace

FORGE_STEP(movie_intro) {
    if (!fontsPresent(forge)) return;
    const std::map<std::string, RgbaImage> pictures = paintAll();
    writePictures(forge, pictures);
    for (const char* name : kIntroMovieClips) {
        forge.copyContent(std::string("animations/") + name + "-skeleton.json", std::string("Spine/") + name + "-skeleton.json");
        forge.copyContent(std::string("animations/") + name + "-animation.json", std::string("Spine/") + name + "-animation.json");
        previewScene(forge, name, pictures);
    }
}
