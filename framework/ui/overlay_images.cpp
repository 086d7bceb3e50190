#include "framework/ui/overlay_images.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "engine/k_graphic.h"
#include "framework/core/folders.h"
#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"
#include "framework/ui/ldv_overlay.h"
#include "framework/ui/picture_batch.h"

namespace {

constexpr int kPlaceholderSide = 16;
constexpr uint32_t kPlaceholderPixel = 0xff0000;

LDvString Lowered(LDvString text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool StartsWith(const LDvString& text, const LDvString& prefix) {
    return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

// The key the picture cache would use: "\" as "/", no surrounding blanks, no trailing "/".
LDvString CacheKey(LDvString path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    const char* blanks = " \t\n\r";
    const size_t first = path.find_first_not_of(blanks);
    if (first == LDvString::npos) return LDvString();
    path = path.substr(first, path.find_last_not_of(blanks) - first + 1);
    while (!path.empty() && path.back() == '/') path.pop_back();
    return path;
}

SMART_POINTER<KGraphic> NewPicture() {
    std::unique_ptr<KGraphic> picture = createKGraphic();
    if (!picture) picture = std::make_unique<KGraphic>();
    return SMART_POINTER<KGraphic>(std::move(picture));
}

void GivePlaceholder(LDvOverlay& overlay) {
    const std::vector<uint32_t> pixels(kPlaceholderSide * kPlaceholderSide, kPlaceholderPixel);
    overlay.picture = NewPicture();
    overlay.picture->loadPictureFromPixels(pixels.data(), kPlaceholderSide, kPlaceholderSide);
}

// The same relative path under the language's replacement folder instead of the image folder.
LDvString ReplacementPath(const LDvString& fullPath) {
    const LDvString root = GetDataRoot();
    const size_t prefix = std::min(fullPath.size(), (root + Frame().imageFolder).size());
    return root + Frame().imageOverrideFolder + fullPath.substr(prefix);
}

void TakeWholePictureAsFrame(LDvOverlay& overlay) {
    overlay.frameWidth = overlay.GetWidth();
    overlay.frameHeight = overlay.GetHeight();
    overlay.hasFrames = false;
    overlay.columns = 1;
    overlay.rows = 1;
}

}  // namespace

LDvString PicturePath(const LDvString& path) {
    const LDvString root = GetDataRoot();
    const bool rootedAtSlash = !path.empty() && path[0] == '/';
    const bool absolute = rootedAtSlash || path.find(':') != LDvString::npos;
    const LDvString full = absolute ? path : root + Frame().imageFolder + "/" + path;
    // Data files are stored lower-cased; the data root is a real folder and keeps its case, and so
    // does an absolute path that lies outside it.
    if (StartsWith(full, root)) return root + Lowered(full.substr(root.size()));
    if (rootedAtSlash) return full;
    return Lowered(full);
}

void LoadImage(LDvOverlay* overlay, const LDvString& path, bool hiQuality) {
    if (overlay == nullptr || overlay->loaded) return;
    overlay->drawnAsRegion = false;
    const LDvString fullPath = PicturePath(path);
    if (!FileExists(fullPath)) {
        Log("file not found - " + fullPath + "\n");
        GivePlaceholder(*overlay);
        MediaMissing(fullPath);
        return;
    }
    // No picture is ever cached; the lookup survives only as its log line.
    Log("No cache for file :" + CacheKey(fullPath));

    overlay->picture = NewPicture();
    LDvString source = fullPath;
    if (!Frame().imageOverrideFolder.empty()) {
        const LDvString replacement = ReplacementPath(fullPath);
        if (FileExists(replacement)) source = replacement;
    }
    if (PictureBatch* batch = PictureBatch::Open()) {
        batch->Add(*overlay, source);  // decoded, measured and logged when the batch finishes
    } else if (!overlay->picture->loadPicture(source.c_str(), hiQuality)) {
        Log("cannot decode picture - " + source);
    }
    overlay->picture->setTextureQuality(true);
    TakeWholePictureAsFrame(*overlay);
    SetName(overlay, path);
    overlay->loaded = true;
}

void LoadFrames(LDvOverlay* overlay, const LDvString& path, int columns, int rows, int frameCount) {
    if (overlay == nullptr) return;
    LoadImage(overlay, path, true);
    if (columns <= 0 || rows <= 0) {
        Log("bad frame grid for " + path + ": " + std::to_string(columns) + " x " + std::to_string(rows));
        columns = std::max(columns, 1);
        rows = std::max(rows, 1);
    }
    overlay->hasFrames = true;
    overlay->frameWidth = static_cast<int>(static_cast<unsigned>(overlay->GetWidth()) / static_cast<unsigned>(columns));
    overlay->frameHeight = static_cast<int>(static_cast<unsigned>(overlay->GetHeight()) / static_cast<unsigned>(rows));
    overlay->columns = columns;
    overlay->rows = rows;
    overlay->frameCount = frameCount;
}

namespace {

void TakeWholePictureUnlessFramed(LDvOverlay& overlay) {
    overlay.picture->setTextureQuality(true);
    if (!overlay.hasFrames) {
        overlay.frameWidth = overlay.GetWidth();
        overlay.frameHeight = overlay.GetHeight();
    }
    overlay.loaded = true;
}

void LogRefusedPixels(int width, int height) {
    Log("cannot make a picture of " + std::to_string(width) + " x " + std::to_string(height) + " pixels");
}

}  // namespace

void LoadFromPixels(LDvOverlay* overlay, std::vector<uint32_t>&& pixels, int width, int height) {
    if (overlay == nullptr) return;
    if (!overlay->picture) overlay->picture = NewPicture();
    if (!overlay->picture->takePixels(std::move(pixels), width, height)) LogRefusedPixels(width, height);
    TakeWholePictureUnlessFramed(*overlay);
}

void LoadFromPixels(LDvOverlay* overlay, const uint32_t* pixels, int width, int height) {
    if (overlay == nullptr) return;
    if (!overlay->picture) overlay->picture = NewPicture();
    if (pixels == nullptr || !overlay->picture->loadPictureFromPixels(pixels, width, height)) {
        LogRefusedPixels(width, height);
    }
    TakeWholePictureUnlessFramed(*overlay);
}

void UnloadImage(LDvOverlay* overlay) {
    if (overlay == nullptr) return;
    overlay->loaded = false;
    overlay->picture.reset();
}

void SetRegion(LDvOverlay* overlay, const LDvString& name, LDvSprite* page, int regionX, int regionY,
               int regionWidth, int regionHeight, int frameWidth, int frameHeight, bool rotated) {
    if (overlay == nullptr) return;
    overlay->filePath = name;
    overlay->picture.reset();
    overlay->regionX = regionX;
    overlay->regionY = regionY;
    overlay->regionWidth = regionWidth;
    overlay->regionHeight = regionHeight;
    overlay->regionPage = page;
    overlay->frameWidth = frameWidth;
    overlay->frameHeight = frameHeight;
    overlay->regionRotated = rotated ? 1 : 0;
    overlay->loaded = true;
    overlay->drawnAsRegion = true;
}

void SharePicture(LDvOverlay* target, const LDvOverlay* source) {
    if (target == nullptr || source == nullptr || target == source) return;
    target->drawnAsRegion = false;
    target->picture = source->picture;
    target->hasFrames = source->hasFrames;
    target->frameWidth = source->frameWidth;
    target->frameHeight = source->frameHeight;
    target->frameCount = source->frameCount;
    target->columns = source->columns;
    target->rows = source->rows;
    target->loaded = true;
}

void EnsurePicture(LDvOverlay* overlay) {
    if (overlay == nullptr || overlay->picture) return;
    overlay->picture = NewPicture();
    overlay->drawnAsRegion = false;
    overlay->loaded = true;
}

void SetName(LDvOverlay* overlay, const LDvString& path) {
    if (overlay == nullptr) return;
    overlay->filePath = path;
    const LDvString beforeDot = path.substr(0, path.find('.'));
    const size_t slash = beforeDot.rfind('/');
    overlay->shortName = slash == LDvString::npos ? beforeDot : beforeDot.substr(slash + 1);
}
