#include "game/frontend/draw_player_names.h"

#include "framework/ui/ldv_font.h"

namespace {

constexpr int kNameDX = 7, kNameDY = 6;        // the name inside its backing
constexpr int kMarkDX = -2, kMarkDY = -2;      // the selection mark around the backing

}  // namespace

void DrawPlayerNames::Fill() {
    for (int slot = 0; slot < kPlayerSlots; ++slot) {
        names[slot] = PlayerExists(slot) ? GetPlayerNameOf(slot) : LDvString();
    }
}

float DrawPlayerNames::RowTop(int row) {
    const int backingHeight = backing != nullptr ? backing->GetHeight() : 0;
    return y + static_cast<float>((backingHeight + kRowGap) * row);
}

int DrawPlayerNames::RowAt(int px, int py) {
    if (backing == nullptr) return -1;
    const auto width = static_cast<float>(backing->GetWidth());
    const auto height = static_cast<float>(backing->GetHeight());
    const auto fx = static_cast<float>(px);
    const auto fy = static_cast<float>(py);
    for (int row = 0; row < kPlayerSlots; ++row) {
        if (names[row].empty()) continue;
        const float top = RowTop(row);
        if (fx >= x && fx <= x + width && fy >= top && fy <= top + height) return row;
    }
    return -1;
}

void DrawPlayerNames::Draw() {
    if (backing == nullptr) return;
    for (int row = 0; row < kPlayerSlots; ++row) {
        const float top = RowTop(row);
        backing->DrawAtF(x, top);
        const auto nameX = static_cast<int>(x + kNameDX);
        const auto nameY = static_cast<int>(top + kNameDY);
        if (font != nullptr) DrawText(font, names[row], nameX, nameY, kAlignLeft, 1.0f);
        if (row == selected && selectionMark != nullptr) selectionMark->DrawAtF(x + kMarkDX, top + kMarkDY);
    }
}
