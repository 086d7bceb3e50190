// The six ordinary match-3 pieces: states/playing/pieces/<name>.png, each an 18 x 2 sheet of
// 35 frames of 64 x 64 (1152 x 128), frame 0 at rest, the rest its highlight animation.
#include <string>
#include <vector>

#include "tools/forge/core/forge.h"
#include "tools/forge/paint/pieces.h"
#include "tools/forge/paint/sheet.h"

namespace {

constexpr Rgb kPreviewTile{0.13, 0.27, 0.30};  // roughly the board's first tile colour

// Three pieces per step, so the two halves paint on both cores.
void writePieces(Forge& forge, size_t first, size_t count, const std::string& contactName) {
    std::vector<RgbaImage> previews;
    std::vector<RgbaImage> restFrames;
    for (size_t k = first; k < first + count; ++k) {
        const PieceDesign& design = pieceDesigns()[k];
        const RgbaImage sheet = paintSheet(kPieceColumns, kPieceRows, kPieceFrames,
                                           [&](int frame) { return paintPieceFrame(design, frame); });
        forge.writePng(std::string("img/states/playing/pieces/") + design.name + ".png", sheet);
        previews.push_back(previewOver(sheet, kPreviewTile));
        restFrames.push_back(previewOver(cropImage(sheet, 0, 0, kPieceFrame, kPieceFrame), kPreviewTile, 3));
    }
    forge.addContactSheet(contactName, previewRow(previews, 1200));
    forge.addContactSheet(contactName + "_rest", previewRow(restFrames, 1200));
}

}  // namespace

FORGE_STEP(board_pieces_a) { writePieces(forge, 0, 3, "board_pieces_a"); }

FORGE_STEP(board_pieces_b) { writePieces(forge, 3, 3, "board_pieces_b"); }
