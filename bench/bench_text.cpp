// Typewriter text in the software renderer: a whole 1600 x 900 off-screen frame with about 2,000
// glyphs of a generated font typed out by TypeoutTextDisplay, against the same lines drawn straight
// through the engine's KText and against an empty frame. Reported in ms per frame (medians).
#include <benchmark/benchmark.h>

#include <string>

#include "engine/k_text.h"
#include "engine/k_window.h"
#include "framework/core/frame_context.h"
#include "framework/ui/ldv_font.h"
#include "framework/ui/typeout_text_display.h"

namespace {

constexpr int kCanvasWidth = 1600;
constexpr int kCanvasHeight = 900;
constexpr int kGlyphs = 2000;
constexpr int kLines = 40;
constexpr char kWords[] =
    "the tide pulled back from the reef and left a trail of shells across the warm sand where the crew "
    "had set up camp beneath the palms ";

// Words until the text holds kGlyphs characters that are not blanks.
std::string TypewriterText() {
    std::string text;
    int glyphs = 0;
    const std::string words = kWords;
    for (size_t at = 0; glyphs < kGlyphs; at = (at + 1) % words.size()) {
        text += words[at];
        if (words[at] != ' ') ++glyphs;
    }
    return text;
}

class TextScene {
public:
    TextScene() {
        window.createGameWindow(kCanvasWidth, kCanvasHeight, 32, true, "bench");
        Frame().rootDirOverride = QV_DATA_DIR;
        LoadFont(&font, "Artifika_18Pt", false);
        display.font = &font;
        display.maxLineWidth = kCanvasWidth - 100;
        display.maxLines = kLines;
        display.charsPerStep = kGlyphs;
        display.rectRight = kCanvasWidth;
        display.rectBottom = kCanvasHeight;
        display.TypeOut(TypewriterText());
        while (!display.finished) display.Update();
    }

    KWindow window{K_RENDERER_SOFTWARE};
    LDvFont font;
    TypeoutTextDisplay display;
};

TextScene& Scene() {
    static TextScene scene;
    return scene;
}

void BM_EmptyFrame(benchmark::State& state) {
    TextScene& scene = Scene();
    for (auto _ : state) scene.window.flipBackBuffer(false);
}

void BM_TypewriterFrame(benchmark::State& state) {
    TextScene& scene = Scene();
    for (auto _ : state) {
        scene.window.flipBackBuffer(false);
        scene.display.Draw();
    }
    state.counters["lines"] = scene.display.lines.Count();
}

void BM_EngineTextFrame(benchmark::State& state) {
    TextScene& scene = Scene();
    const int lineHeight = GetLineHeight(&scene.font);
    for (auto _ : state) {
        scene.window.flipBackBuffer(false);
        int y = 0;
        for (const LDvString& line : scene.display.lines) {
            scene.font.text.drawTextAt(line.c_str(), 50.0f, static_cast<float>(y), 0.0f);
            y += lineHeight;
        }
    }
}

}  // namespace

BENCHMARK(BM_EmptyFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypewriterFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EngineTextFrame)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
