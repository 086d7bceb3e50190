#pragma once
// Fixtures for the picture and effect tests: a data root with PNG files in a temporary folder and
// the game log captured in a temporary save folder.
#include <string>

#include "framework/ui/ldv_overlay.h"
#include "tests/support/temp_dir.h"

// The bytes of a PNG of the given size in one opaque colour (0xRRGGBB).
std::string SolidPng(int width, int height, unsigned rgb);

// A fresh frame context whose data root and save folder are temporary folders, with logging on
// and message boxes counted instead of shown; the context is reset again afterwards.
class PictureWorld {
public:
    PictureWorld();
    ~PictureWorld();
    PictureWorld(const PictureWorld&) = delete;
    PictureWorld& operator=(const PictureWorld&) = delete;

    // Writes a PNG of the given size (one opaque colour, 0xRRGGBB) under the data root.
    void writePng(const std::string& relativePath, int width, int height, unsigned rgb = 0xffffff) const;
    void writeFile(const std::string& relativePath, const std::string& bytes) const { data.write(relativePath, bytes); }
    const std::string& root() const { return data.path(); }

    std::string log() const;                                   // log.txt so far
    int countInLog(const std::string& text) const;             // occurrences of text in log.txt
    int messageBoxes = 0;                                      // shown since construction

private:
    TempDir data;
    TempDir save;
    ScopedEnv xdg;
};

// A sheet of 10 x 10 frames with no picture: effects step the same without one.
struct FrameSheetStub : LDvSprite {
    explicit FrameSheetStub(int frames) {
        hasFrames = true;
        frameCount = frames;
        frameWidth = 10;
        frameHeight = 10;
    }
};
