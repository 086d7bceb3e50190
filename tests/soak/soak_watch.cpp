#include "tests/soak/soak_watch.h"

#include <cxxabi.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <typeinfo>

#include "framework/core/frame_context.h"
#include "framework/core/ldv_state.h"
#include "game/app/match3.h"

namespace {

std::string ClassName(const LDvState& state) {
    const char* mangled = typeid(state).name();
    int status = 0;
    const std::unique_ptr<char, void (*)(void*)> name(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
                                                       std::free);
    return status == 0 && name ? name.get() : mangled;
}

}  // namespace

long ResidentKilobytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    if (!(statm >> pages >> resident)) return 0;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

void MemoryLog::Sample(int minute) {
    last = ResidentKilobytes();
    if (first < 0) first = last;
    if (last > peak) peak = last;
    std::printf("rss minute %d: %ld MB\n", minute, last / 1024);
    std::fflush(stdout);
}

std::string ScreenName(Match3& game) {
    const FrameContext& frame = Frame();
    if (frame.currentState == nullptr) return "(none)";
    std::string name = ClassName(*frame.currentState);
    if (frame.currentState == &game.scene) name += " " + game.scene.name;
    if (frame.currentState == &game.camp) {
        const SlidingUI* back = game.camp.buildMenu.Entry(0);  // the build menu's Back, at rest when it is in
        if (back != nullptr && back->IsAtRest()) name += " build menu";
    }
    if (frame.secondary != nullptr) name += " + " + ClassName(*frame.secondary);
    return name;
}

HangWatch::HangWatch(std::chrono::seconds hangLimit)
    : limit(hangLimit), lastAlive(std::chrono::steady_clock::now()), thread([this] { Watch(); }) {}

HangWatch::~HangWatch() {
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
    }
    wake.notify_all();
    thread.join();
}

void HangWatch::Alive(const std::string& where) {
    std::lock_guard<std::mutex> lock(mutex);
    lastAlive = std::chrono::steady_clock::now();
    lastWhere = where;
}

void HangWatch::Watch() {
    std::unique_lock<std::mutex> lock(mutex);
    while (!stopping) {
        wake.wait_for(lock, std::chrono::seconds(1));
        if (stopping || std::chrono::steady_clock::now() - lastAlive < limit) continue;
        std::fprintf(stderr, "soak: HANG, no frame for %lld s on %s\n", static_cast<long long>(limit.count()),
                     lastWhere.c_str());
        std::fflush(stderr);
        std::abort();
    }
}
