#include "tools/forge/scenes/scene_document.h"

#include <algorithm>
#include <cmath>

#include "tools/forge/core/canvas.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/gui/paint.h"
#include "tools/forge/paint/sheet.h"

namespace {

// Soft shadows and glows fade out below this alpha; only what is solid above it is clickable.
constexpr uint8_t kSolidAlpha = 128;
// The reader counts a pixel as hit when any sample exceeds 20, so hit layers are pure white or
// fully clear black.
constexpr uint8_t kHitOn = 255;

bool solid(const ScenePiece& piece, int x, int y) {
    const int px = x - piece.left;
    const int py = y - piece.top;
    if (piece.empty() || px < 0 || py < 0 || px >= piece.image.width || py >= piece.image.height) return false;
    return piece.image.at(px, py)[3] >= kSolidAlpha;
}

ScenePiece cropped(int left, int top, const RgbaImage& image) {
    int x0 = image.width, y0 = image.height, x1 = -1, y1 = -1;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (image.at(x, y)[3] == 0) continue;
            x0 = std::min(x0, x);
            x1 = std::max(x1, x);
            y0 = std::min(y0, y);
            y1 = std::max(y1, y);
        }
    }
    ScenePiece piece;
    if (x1 < 0) return piece;
    piece.left = left + x0;
    piece.top = top + y0;
    piece.image = cropImage(image, x0, y0, x1 - x0 + 1, y1 - y0 + 1);
    return piece;
}

// The solid pixels of a picture widened by `grow`, as a white hit area.
ScenePiece grownHit(const ScenePiece& picture, int grow) {
    RgbaImage mask(picture.image.width + 2 * grow, picture.image.height + 2 * grow);
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            bool on = false;
            for (int dy = -grow; dy <= grow && !on; ++dy) {
                for (int dx = -grow; dx <= grow && !on; ++dx) {
                    if (dx * dx + dy * dy > grow * grow) continue;
                    on = solid(picture, picture.left - grow + x + dx, picture.top - grow + y + dy);
                }
            }
            if (on) std::fill_n(mask.at(x, y), 4, kHitOn);
        }
    }
    return cropped(picture.left - grow, picture.top - grow, mask);
}

// A hit area as the reader must see it: white where solid, clear black elsewhere.
RgbaImage hitLayerPixels(const ScenePiece& hit) {
    RgbaImage pixels(hit.image.width, hit.image.height);
    for (int y = 0; y < pixels.height; ++y) {
        for (int x = 0; x < pixels.width; ++x) {
            if (hit.image.at(x, y)[3] >= kSolidAlpha) std::fill_n(pixels.at(x, y), 4, kHitOn);
        }
    }
    return pixels;
}

Rgb previewColour(size_t index) {
    const double hue = std::fmod(index * 0.618034, 1.0) * 6;
    const double f = hue - std::floor(hue);
    switch (static_cast<int>(hue)) {
        case 0: return {1, f, 0.1};
        case 1: return {1 - f, 1, 0.1};
        case 2: return {0.1, 1, f};
        case 3: return {0.1, 1 - f, 1};
        case 4: return {f, 0.1, 1};
        default: return {1, 0.1, 1 - f};
    }
}

}  // namespace

ScenePiece paintPiece(int left, int top, int width, int height, const std::function<void(cairo_t*)>& paint) {
    Canvas canvas(width, height);
    cairo_translate(canvas.cr(), -left, -top);
    paint(canvas.cr());
    return cropped(left, top, canvas.toImage());
}

SceneDocument::SceneDocument(int width, int height) : sceneWidth(width), sceneHeight(height) {}

void SceneDocument::setBackground(RgbaImage background) { backdrop = std::move(background); }

void SceneDocument::addObject(const std::string& name, ScenePiece picture, int grow) {
    SceneSection section;
    section.name = name;
    section.hit = grownHit(picture, grow);
    section.picture = std::move(picture);
    list.push_back(std::move(section));
}

void SceneDocument::addPicture(const std::string& name, ScenePiece picture, bool covers) {
    SceneSection section;
    section.name = name;
    section.picture = std::move(picture);
    section.covers = covers;
    list.push_back(std::move(section));
}

void SceneDocument::addHitZone(const std::string& name, ScenePiece area) {
    SceneSection section;
    section.name = name;
    section.hit = std::move(area);
    list.push_back(std::move(section));
}

void SceneDocument::addMarker(const std::string& name) {
    SceneSection section;
    section.name = name;
    section.hit.image = RgbaImage(1, 1);
    list.push_back(std::move(section));
}

void SceneDocument::carveCoveredHits() {
    for (size_t i = 0; i < list.size(); ++i) {
        ScenePiece& hit = list[i].hit;
        if (hit.empty()) continue;
        for (size_t above = i + 1; above < list.size(); ++above) {
            if (!list[above].covers) continue;
            for (int y = 0; y < hit.image.height; ++y) {
                for (int x = 0; x < hit.image.width; ++x) {
                    if (solid(list[above].picture, hit.left + x, hit.top + y)) hit.image.at(x, y)[3] = 0;
                }
            }
        }
    }
}

const SceneSection* SceneDocument::find(const std::string& name) const {
    for (const SceneSection& section : list) {
        if (section.name == name) return &section;
    }
    return nullptr;
}

PsdDocument SceneDocument::toPsd() const {
    PsdDocument psd;
    psd.width = sceneWidth;
    psd.height = sceneHeight;
    psd.addLayer({"Background", 0, 0, backdrop, false});
    for (const SceneSection& section : list) {
        PsdGroup group;
        group.name = section.name;
        if (!section.hit.empty()) group.layers.push_back({"HIT", section.hit.left, section.hit.top, hitLayerPixels(section.hit)});
        if (!section.picture.empty()) {
            group.layers.push_back({"IMG", section.picture.left, section.picture.top, section.picture.image});
        }
        psd.addGroup(std::move(group));
    }
    return psd;
}

RgbaImage SceneDocument::composite() const {
    RgbaImage image = backdrop;
    for (const SceneSection& section : list) {
        if (!section.picture.empty()) pasteOver(image, section.picture.image, section.picture.left, section.picture.top);
    }
    return image;
}

RgbaImage SceneDocument::opening() const {
    RgbaImage image = backdrop;
    for (const SceneSection& section : list) {
        const bool hidden = std::find(hiddenAtStart.begin(), hiddenAtStart.end(), section.name) != hiddenAtStart.end();
        if (!section.picture.empty() && !hidden) {
            pasteOver(image, section.picture.image, section.picture.left, section.picture.top);
        }
    }
    return image;
}

RgbaImage SceneDocument::hitPreview() const {
    RgbaImage image = composite();
    for (size_t i = 0; i < image.rgba.size(); i += 4) {
        for (int c = 0; c < 3; ++c) image.rgba[i + c] = static_cast<uint8_t>(image.rgba[i + c] * 0.3);
    }
    Canvas canvas(sceneWidth, sceneHeight);
    canvas.drawImage(image, 0, 0);
    cairo_t* cr = canvas.cr();
    for (size_t i = 0; i < list.size(); ++i) {
        const ScenePiece& hit = list[i].hit;
        if (hit.empty()) continue;
        RgbaImage tinted = hitLayerPixels(hit);
        const Rgb colour = previewColour(i);
        for (size_t p = 0; p < tinted.rgba.size(); p += 4) {
            tinted.rgba[p] = static_cast<uint8_t>(colour.r * 255);
            tinted.rgba[p + 1] = static_cast<uint8_t>(colour.g * 255);
            tinted.rgba[p + 2] = static_cast<uint8_t>(colour.b * 255);
            tinted.rgba[p + 3] = tinted.rgba[p + 3] ? 150 : 0;
        }
        canvas.drawImage(tinted, hit.left, hit.top);
    }
    for (size_t i = 0; i < list.size(); ++i) {
        const ScenePiece& hit = list[i].hit;
        if (hit.empty() || hit.image.width < 2) continue;
        const double cx = hit.left + hit.image.width / 2.0;
        const double cy = hit.top + hit.image.height / 2.0;
        drawCentredText(cr, list[i].name, cx + 1, cy + 6, Face::Sans, 15, palette::kInk);
        drawCentredText(cr, list[i].name, cx, cy + 5, Face::Sans, 15, palette::kWhite);
    }
    return canvas.toImage();
}

void publishScene(Forge& forge, const std::string& name, const SceneDocument& document, const RgbaImage& bar) {
    const std::vector<uint8_t> bytes = encodePsd(document.toPsd());
    forge.writeBytes("Scenes/" + name + ".psd", bytes.data(), bytes.size());
    forge.copyContent("Scenes/" + name + ".angel", "Scenes/" + name + ".angel");

    forge.addContactSheet("scene_" + name + "_all_layers", document.composite());
    RgbaImage scene = document.opening();
    pasteOver(scene, bar, 0, 0);
    forge.addContactSheet("scene_" + name + "_opening_1280", scaledCopy(scene, 1280, 720));
    forge.addContactSheet("scene_" + name + "_hits", document.hitPreview());
}
