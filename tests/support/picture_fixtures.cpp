#include "tests/support/picture_fixtures.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "framework/core/folders.h"
#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"
#include "tests/support/test_log.h"
#include "tools/forge/core/encoders.h"
#include "tools/forge/core/rgba_image.h"

PictureWorld::PictureWorld() : xdg("XDG_DATA_HOME", save.path()) {
    ResetFrameForTesting();
    SetMessageBoxHookForTesting([this](const LDvString&, const LDvString&) { ++messageBoxes; });
    FrameContext& frame = Frame();
    frame.rootDirOverride = data.path();
    frame.imageFolder = "img";
    StartTestGameLog();
}

PictureWorld::~PictureWorld() {
    ResetFrameForTesting();
    SetMessageBoxHookForTesting({});
}

std::string SolidPng(int width, int height, unsigned rgb) {
    RgbaImage image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint8_t* p = image.at(x, y);
            p[0] = static_cast<uint8_t>(rgb >> 16);
            p[1] = static_cast<uint8_t>(rgb >> 8);
            p[2] = static_cast<uint8_t>(rgb);
            p[3] = 255;
        }
    }
    std::vector<uint8_t> bytes;
    encodePng(image, bytes);
    return std::string(bytes.begin(), bytes.end());
}

void PictureWorld::writePng(const std::string& relativePath, int width, int height, unsigned rgb) const {
    data.write(relativePath, SolidPng(width, height, rgb));
}

std::string PictureWorld::log() const {
    std::ifstream in(GetSaveFolder() + "log.txt", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int PictureWorld::countInLog(const std::string& text) const {
    const std::string all = log();
    int count = 0;
    for (size_t at = all.find(text); at != std::string::npos; at = all.find(text, at + text.size())) ++count;
    return count;
}
