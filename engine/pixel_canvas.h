#pragma once
// An opaque picture composed on the processor: pictures are blended into it one after another and
// the result is shown as one picture (KGraphic::updateOpaquePixels). SDL's software renderer blends
// a tinted, scaled or turned picture pixel by pixel several times slower than it copies one, and
// turns pictures slower still; a scene of many full-screen layers that change every frame is cheaper
// composed here in one pass per layer and handed over whole. Pixels are 32-bit values whose bytes in
// memory are R, G, B, A, as KGraphic takes them; the canvas is opaque, so its alpha is always 255.
//
// Sampling is nearest; blending is normal alpha blending, the picture's colour and alpha multiplied
// by the tint first, as the renderers blend a tinted picture. Owns its pixels and the stretched
// copies it keeps of pictures drawn at a steady size (forget them with forgetCopies).
//
// Use: begin(backdrop), drawPicture() for every layer in order, finish(), then pixels().
#include <cstddef>
#include <cstdint>
#include <vector>

class KGraphic;

// A picture's pixels, borrowed for one draw.
struct PixelPicture {
    const uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    uint64_t content = 0;  // names these pixels for as long as they stay the same; 0 when unknown
};

// Multiplies the picture's red, green, blue and alpha (255 leaves a channel as it is).
struct PixelTint {
    uint8_t r = 255, g = 255, b = 255, a = 255;
};

// The picture's pixels while it holds them (before its upload, or always when retained); no
// pixels when it holds none.
PixelPicture pixelsOf(const KGraphic& picture);

// A colour of 0..1 as the renderers turn it into a byte.
uint8_t tintLevel(float value);

class PixelCanvas {
public:
    // False (and an empty canvas) for a size that is not positive or larger than a picture may be.
    bool resize(int width, int height);
    int width() const { return canvasWidth; }
    int height() const { return canvasHeight; }
    // The composed picture, complete once finish() has run.
    const std::vector<uint32_t>& pixels() const { return canvasPixels; }

    // Starts a new picture over the backdrop colour (bytes R, G, B). The draws that follow are
    // noted and composed together by finish(); the pixels they borrow must stay as they are until
    // then.
    void begin(uint32_t backdrop);

    // The whole picture onto the parallelogram with corners (x, y pairs) at the picture's top-left,
    // top-right, bottom-right and bottom-left, clipped to the canvas. A pixel is covered when its
    // centre is inside. Unturned, unflipped pictures land with their edges on whole pixels, so one
    // drawn at its own size is copied pixel for pixel wherever it stands. A draw that hides the
    // whole canvas (covers) makes everything before it, the backdrop too, go undrawn.
    void drawPicture(const PixelPicture& picture, const float corners[8], PixelTint tint);
    // True when drawPicture with the same arguments would leave nothing drawn before it visible: an
    // upright, fully opaque picture with an opaque tint over the whole canvas. Pictures whose
    // content is unknown (0) never cover.
    bool covers(const PixelPicture& picture, const float corners[8], PixelTint tint);

    // Composes the backdrop and every draw noted since begin(), in order.
    void finish();

    // Drops every stretched copy and everything learnt about the pictures drawn (when they are
    // released).
    void forgetCopies() {
        stretched.clear();
        opacities.clear();
    }

private:
    // One noted draw, with what its rows need.
    struct Draw {
        PixelPicture picture;            // the stretched copy when one is kept
        PixelTint tint;
        bool upright = true;
        int y1 = 0, y2 = 0;              // canvas rows drawn
        // Upright: the edges it lands on, the columns drawn and where their picture columns are.
        int left = 0, top = 0, x1 = 0, x2 = 0, drawnWidth = 0, drawnHeight = 0;
        size_t columnsAt = 0;
        // Turned: a canvas point is corner 0 + u * across + v * down for picture point (u, v).
        float originX = 0.0f, originY = 0.0f, acrossX = 0.0f, acrossY = 0.0f, downX = 0.0f, downY = 0.0f, det = 0.0f;
    };
    // A picture drawn upright at a size not its own, stretched once: a layer that keeps its size
    // from one frame to the next is then copied instead of sampled again. Kept while drawn every
    // frame at that size.
    struct Stretched {
        uint64_t content = 0;
        int width = 0, height = 0;
        int frames = 0;                  // frames running it was drawn at this size
        bool used = false;               // drawn since the last finish()
        std::vector<uint32_t> pixels;    // empty until made
    };
    struct Opacity {
        uint64_t content = 0;
        bool opaque = false;
    };

    // True when noted (or found to draw nothing): the corners make an upright rectangle.
    bool noteUpright(const PixelPicture& picture, const float corners[8], PixelTint tint);
    void noteTurned(const PixelPicture& picture, const float corners[8], PixelTint tint);
    void uprightRows(const Draw& draw, int from, int to);
    void turnedRows(const Draw& draw, int from, int to);
    const uint32_t* stretchedCopy(const PixelPicture& picture, int width, int height);
    bool opaque(const PixelPicture& picture);

    int canvasWidth = 0;
    int canvasHeight = 0;
    std::vector<uint32_t> canvasPixels;
    uint32_t backdropColour = 0xFF000000u;
    std::vector<Draw> draws;          // noted since begin(); kept for its capacity
    size_t firstShown = 0;            // the last draw that hides the whole canvas
    bool backdropHidden = false;
    std::vector<int> columns;         // picture columns of the upright draws, one run per draw
    std::vector<uint32_t> gathered;   // one row of a stretched or turned picture
    std::vector<Stretched> stretched; // by content and size
    std::vector<Opacity> opacities;   // whether a picture is opaque, by content, once looked at
};
