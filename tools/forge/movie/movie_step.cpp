// The intro movie's data: the pictures of the "IntroMovie" bundle under img/movies/intro/, the
// six scenes' skeletal animations (hand-written in content/animations, copied into "Spine/"), and
// previews of every scene posed at moments spread over its length. The forge fails when a scene
// shows a picture the bundle lacks, or the bundle holds a picture nothing paints.
#include <map>
#include <string>
#include <vector>

#include "game/cinematics/intro_movie_files.h"
#include "tools/forge/anim/spine_pack.h"
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

}  // namespace

FORGE_STEP(movie_intro) {
    if (!fontsPresent(forge)) return;
    const std::map<std::string, RgbaImage> pictures = paintAll();
    writePictures(forge, pictures);
    // Each scene as the movie shows it: the root at the screen's centre, at the zoom it ends on.
    for (const char* name : kIntroMovieClips) {
        SpinePreview preview;
        if (!packAnimation(forge, name, pictures, "movie", preview)) continue;
        std::vector<double> times;
        for (int i = 0; i < kPreviewsPerScene; ++i) times.push_back(preview.duration() * (i + 0.5) / kPreviewsPerScene);
        addPreviewSheet(forge, std::string("movie_") + name, name, preview, pictures, times, PreviewLayout{});
    }
}
