#pragma once
// A painted adventure scene on its way into a layered Photoshop document: a plain background at
// the bottom and, above it, one group per section (bottom-most first), each holding a picture
// ("IMG"), a hit area ("HIT") or both. The game builds one section per group and hit-tests the
// top-most first, so the order sections are added is the order they stack in.
//
// Pictures are painted in scene coordinates on canvases only as large as the piece (paintPiece)
// and kept cropped to their visible pixels, so a scene of thirty pieces stays small in memory.
#include <cairo.h>

#include <functional>
#include <string>
#include <vector>

#include "tools/forge/core/rgba_image.h"
#include "tools/forge/scenes/psd_writer.h"

class Forge;

// A picture placed in the scene by its top-left corner; an empty image stands for none.
struct ScenePiece {
    int left = 0;
    int top = 0;
    RgbaImage image;

    bool empty() const { return image.width == 0 || image.height == 0; }
};

// Paints into the scene rectangle (left, top, width, height) with scene coordinates and returns
// what was painted, cropped to its visible pixels.
ScenePiece paintPiece(int left, int top, int width, int height, const std::function<void(cairo_t*)>& paint);

struct SceneSection {
    std::string name;
    ScenePiece picture;   // "IMG"
    ScenePiece hit;       // "HIT": pixels with alpha above the solid threshold are clickable
    bool covers = false;  // its picture hides the hit areas of the sections below it
};

class SceneDocument {
public:
    SceneDocument(int width, int height);

    void setBackground(RgbaImage background);
    // A thing to click: the picture, and a hit area of its solid pixels widened by `grow` pixels
    // so thin things (tweezers, a twig) are not a test of aim.
    void addObject(const std::string& name, ScenePiece picture, int grow = 3);
    // A picture that is never clicked; a covering one takes the clicks from what lies under it.
    void addPicture(const std::string& name, ScenePiece picture, bool covers);
    // A place to click (or to use an item on) that shows nothing of its own.
    void addHitZone(const std::string& name, ScenePiece area);
    // A group with only an empty hit area: it marks where the scene's effects are drawn.
    void addMarker(const std::string& name);
    // Takes from every hit area the pixels that covering pictures above it hide.
    void carveCoveredHits();
    // For the previews only: the script hides this section's picture when the scene opens.
    void hideAtStart(const std::string& name) { hiddenAtStart.push_back(name); }

    int width() const { return sceneWidth; }
    int height() const { return sceneHeight; }
    const RgbaImage& background() const { return backdrop; }
    const std::vector<SceneSection>& sections() const { return list; }
    const SceneSection* find(const std::string& name) const;

    PsdDocument toPsd() const;
    RgbaImage composite() const;    // the background and every picture
    RgbaImage opening() const;      // the same without the pictures hidden at start
    RgbaImage hitPreview() const;   // every hit area in its own colour over the dimmed scene, named

private:
    int sceneWidth;
    int sceneHeight;
    RgbaImage backdrop;
    std::vector<SceneSection> list;
    std::vector<std::string> hiddenAtStart;
};

// Writes "Scenes/<name>.psd" and the scene's script from content/Scenes, and contact sheets of
// every layer, of the scene as it opens with the bar over it (at 1280 x 720) and of its hit areas.
void publishScene(Forge& forge, const std::string& name, const SceneDocument& document, const RgbaImage& bar);
