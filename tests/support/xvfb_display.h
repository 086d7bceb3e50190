#pragma once
// An X server of its own for the tests that need one: the accelerated renderer on Mesa's llvmpipe
// (any OpenGL allowed), and windows that must behave as on a desktop. One Xvfb with a 1920 x 1080
// screen is started on first use for the whole test program and stopped when it ends; display
// numbers come from XVFB_DISPLAYS ("53 54") when set, else Xvfb picks a free one. Tests skip
// themselves when no Xvfb can run.
#include <memory>
#include <string>

#include "engine/k_window.h"
#include "tests/support/temp_dir.h"

class XvfbDisplay {
public:
    static constexpr int kScreenWidth = 1920;
    static constexpr int kScreenHeight = 1080;

    // The shared server, started on the first call; null when it could not be started.
    static XvfbDisplay* Shared();

    const std::string& name() const { return display; }  // ":N"

    ~XvfbDisplay();
    XvfbDisplay(const XvfbDisplay&) = delete;
    XvfbDisplay& operator=(const XvfbDisplay&) = delete;

private:
    XvfbDisplay() = default;
    bool StartOn(const std::string& number);
    bool StartAnywhere();

    int pid = -1;
    std::string display;
};

// For the life of the scope SDL opens its windows on the shared Xvfb, and the accelerated renderer
// takes any OpenGL there. `ready()` is false (the test should skip) without an Xvfb.
class OnXvfb {
public:
    OnXvfb();
    ~OnXvfb();
    OnXvfb(const OnXvfb&) = delete;
    OnXvfb& operator=(const OnXvfb&) = delete;
    bool ready() const { return server != nullptr; }

private:
    XvfbDisplay* server;
    std::unique_ptr<ScopedEnv> driver;
    std::unique_ptr<ScopedEnv> display;
};

// Which renderer a frame test draws with: the software one on SDL's dummy driver, or the
// accelerated one under the shared Xvfb.
enum class TestRenderer { Software, Accelerated };
const char* RendererLabel(TestRenderer renderer);           // for test names
int RendererKind(TestRenderer renderer);                   // K_RENDERER_...
