#include "framework/ui/sheet_pixels.h"

#include <algorithm>
#include <cmath>

#include "engine/k_graphic.h"
#include "framework/ui/ldv_overlay.h"
#include "framework/ui/overlay_images.h"

const uint32_t* SheetPixels::Row(int frame, int y) const {
    const size_t column = static_cast<size_t>(frame % columns);
    const size_t row = static_cast<size_t>(frame / columns);
    const size_t top = row * static_cast<size_t>(frameHeight) + static_cast<size_t>(y);
    return pixels.data() + top * static_cast<size_t>(Width()) + column * static_cast<size_t>(frameWidth);
}

uint32_t* SheetPixels::Row(int frame, int y) {
    return const_cast<uint32_t*>(static_cast<const SheetPixels&>(*this).Row(frame, y));
}

bool ReadSheetPixels(const LDvOverlay& sheet, SheetPixels& out) {
    out = SheetPixels();
    const KGraphic* picture = sheet.Picture();
    if (picture == nullptr || picture->pixels().empty()) return false;
    const int width = static_cast<int>(picture->getWidth());
    const int height = static_cast<int>(picture->getHeight());
    const bool grid = sheet.hasFrames && sheet.columns > 0 && sheet.rows > 0 && sheet.frameWidth > 0 &&
                      sheet.frameHeight > 0 && sheet.columns * sheet.frameWidth <= width &&
                      sheet.rows * sheet.frameHeight <= height;
    out.frameWidth = grid ? sheet.frameWidth : width;
    out.frameHeight = grid ? sheet.frameHeight : height;
    out.columns = grid ? sheet.columns : 1;
    out.rows = grid ? sheet.rows : 1;
    // Only the grid is kept: a sheet wider than its cells holds nothing a frame can show there.
    out.pixels.resize(static_cast<size_t>(out.Width()) * static_cast<size_t>(out.Height()));
    const uint32_t* from = picture->pixels().data();
    for (int y = 0; y < out.Height(); ++y) {
        std::copy_n(from + static_cast<size_t>(y) * static_cast<size_t>(width), out.Width(),
                    out.pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(out.Width()));
    }
    return true;
}

void LoadSheet(LDvOverlay& overlay, const SheetPixels& pixels, int frameCount) {
    if (pixels.Empty()) return;
    overlay.hasFrames = true;
    overlay.frameWidth = pixels.frameWidth;
    overlay.frameHeight = pixels.frameHeight;
    overlay.columns = pixels.columns;
    overlay.rows = pixels.rows;
    overlay.frameCount = std::clamp(frameCount, 0, pixels.columns * pixels.rows);
    LoadFromPixels(&overlay, pixels.pixels.data(), pixels.Width(), pixels.Height());
}

void FadePixels(std::vector<uint32_t>& pixels, float opacity) {
    const float scale = std::clamp(std::isnan(opacity) ? 0.0f : opacity, 0.0f, 1.0f);
    for (uint32_t& pixel : pixels) {
        auto* bytes = reinterpret_cast<uint8_t*>(&pixel);  // R, G, B, A in memory
        bytes[3] = static_cast<uint8_t>(static_cast<float>(bytes[3]) * scale + 0.5f);
    }
}
