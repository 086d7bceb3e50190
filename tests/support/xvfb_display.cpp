#include "tests/support/xvfb_display.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <thread>
#include <vector>

namespace {

constexpr auto kStartLimit = std::chrono::seconds(10);
constexpr auto kPoll = std::chrono::milliseconds(20);
constexpr const char* kScreen = "1920x1080x24";
// Every test closes its windows, and a server that resets once its last client is gone refuses the
// connections of the next test while it does: hence -noreset.

bool DisplayTaken(const std::string& number) {
    return std::filesystem::exists("/tmp/.X11-unix/X" + number) || std::filesystem::exists("/tmp/.X" + number + "-lock");
}

// Starts Xvfb with `arguments` (after the program name), its output silenced; -1 when it cannot run.
// It ends with this process however that ends, so a crashed test leaves no server behind.
int Spawn(const std::vector<std::string>& arguments) {
    std::vector<std::string> copies = arguments;
    std::vector<char*> argv;
    std::string program = "Xvfb";
    argv.push_back(program.data());
    for (std::string& argument : copies) argv.push_back(argument.data());
    argv.push_back(nullptr);
    const pid_t parent = getpid();
    const pid_t child = fork();
    if (child != 0) return child;
    // Only calls that are safe between fork and exec from here.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != parent) _exit(1);
    const int null = open("/dev/null", O_RDWR);
    if (null >= 0) {
        dup2(null, STDIN_FILENO);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
    }
    execvp(argv[0], argv.data());
    _exit(127);
}

// SDL loads OpenGL with each window and unloads it with the window; Mesa's software driver leaves a
// few small blocks behind each time, which LeakSanitizer finds once the driver's module is gone.
// Kept loaded for the whole program, the driver's own globals still hold them.
void KeepOpenGlLoaded() {
    static const bool kept = [] {
        for (const char* library : {"libGL.so.1", "libGLX_mesa.so.0", "libglapi.so.0",
                                    "/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so"}) {
            dlopen(library, RTLD_NOW | RTLD_GLOBAL | RTLD_NODELETE);
        }
        return true;
    }();
    (void)kept;
}

bool Alive(int pid) { return pid > 0 && waitpid(pid, nullptr, WNOHANG) == 0; }

}  // namespace

XvfbDisplay* XvfbDisplay::Shared() {
    static std::unique_ptr<XvfbDisplay> server = [] {
        std::unique_ptr<XvfbDisplay> started(new XvfbDisplay());
        const char* wanted = std::getenv("XVFB_DISPLAYS");
        bool ok = false;
        if (wanted != nullptr) {
            std::istringstream numbers(wanted);
            for (std::string number; !ok && numbers >> number;) ok = !DisplayTaken(number) && started->StartOn(number);
        } else {
            ok = started->StartAnywhere();
        }
        if (!ok) started.reset();
        return started;
    }();
    return server.get();
}

bool XvfbDisplay::StartOn(const std::string& number) {
    pid = Spawn({":" + number, "-screen", "0", kScreen, "-nolisten", "tcp", "-noreset"});
    const auto deadline = std::chrono::steady_clock::now() + kStartLimit;
    while (Alive(pid) && std::chrono::steady_clock::now() < deadline) {
        if (std::filesystem::exists("/tmp/.X11-unix/X" + number)) {
            display = ":" + number;
            return true;
        }
        std::this_thread::sleep_for(kPoll);
    }
    if (Alive(pid)) kill(pid, SIGTERM);
    if (pid > 0) waitpid(pid, nullptr, 0);
    pid = -1;
    return false;
}

// Xvfb takes the first free display and writes its number to the pipe once it accepts clients.
bool XvfbDisplay::StartAnywhere() {
    int fds[2];
    if (pipe(fds) != 0) return false;
    pid = Spawn({"-displayfd", std::to_string(fds[1]), "-screen", "0", kScreen, "-nolisten", "tcp", "-noreset"});
    close(fds[1]);
    std::string number;
    char c = 0;
    fcntl(fds[0], F_SETFL, O_NONBLOCK);
    const auto deadline = std::chrono::steady_clock::now() + kStartLimit;
    while (Alive(pid) && std::chrono::steady_clock::now() < deadline) {
        const ssize_t got = read(fds[0], &c, 1);
        if (got == 1 && c == '\n') break;
        if (got == 1) {
            number += c;
        } else {
            std::this_thread::sleep_for(kPoll);
        }
    }
    close(fds[0]);
    if (!number.empty() && Alive(pid)) {
        display = ":" + number;
        return true;
    }
    if (Alive(pid)) kill(pid, SIGTERM);
    if (pid > 0) waitpid(pid, nullptr, 0);
    pid = -1;
    return false;
}

XvfbDisplay::~XvfbDisplay() {
    if (pid <= 0) return;
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

OnXvfb::OnXvfb() : server(XvfbDisplay::Shared()) {
    if (server == nullptr) return;
    KeepOpenGlLoaded();
    driver = std::make_unique<ScopedEnv>("SDL_VIDEODRIVER", "x11");
    display = std::make_unique<ScopedEnv>("DISPLAY", server->name());
    setAcceleratedOnAnyOpenGl(true);
}

OnXvfb::~OnXvfb() { setAcceleratedOnAnyOpenGl(false); }

const char* RendererLabel(TestRenderer renderer) {
    return renderer == TestRenderer::Accelerated ? "Accelerated" : "Software";
}

int RendererKind(TestRenderer renderer) {
    return renderer == TestRenderer::Accelerated ? K_RENDERER_ACCELERATED : K_RENDERER_SOFTWARE;
}
