#include "game/app/program_options.h"

#include <cstdlib>
#include <cstring>

namespace {

bool ParseCount(const char* text, int& out) {
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || value < 0 || value > 1000000000L) return false;
    out = static_cast<int>(value);
    return true;
}

// "1,5,60" -> {1, 5, 60}
bool ParseFrameList(const char* text, std::vector<int>& out) {
    out.clear();
    LDvString list = text;
    size_t start = 0;
    while (start <= list.size()) {
        const size_t comma = list.find(',', start);
        const LDvString item = list.substr(start, comma == LDvString::npos ? LDvString::npos : comma - start);
        int frame = 0;
        if (!ParseCount(item.c_str(), frame) || frame == 0) return false;
        out.push_back(frame);
        if (comma == LDvString::npos) break;
        start = comma + 1;
    }
    return !out.empty();
}

// "1366x768" -> 1366, 768
bool ParseSize(const char* text, int& width, int& height) {
    const LDvString size = text;
    const size_t x = size.find('x');
    if (x == LDvString::npos) return false;
    return ParseCount(size.substr(0, x).c_str(), width) && ParseCount(size.substr(x + 1).c_str(), height) &&
           width > 0 && height > 0;
}

bool TakeValue(int argc, const char* const* argv, int& i, const char*& value, LDvString& error) {
    if (i + 1 >= argc) {
        error = LDvString(argv[i]) + " needs a value";
        return false;
    }
    value = argv[++i];
    return true;
}

bool ParseValueOption(const char* name, const char* value, ProgramOptions& options, LDvString& error) {
    if (std::strcmp(name, "--data") == 0) options.dataFolder = value;
    else if (std::strcmp(name, "--save") == 0) options.saveParent = value;
    else if (std::strcmp(name, "--input") == 0) options.inputScript = value;
    else if (std::strcmp(name, "--capture") == 0) options.captureFolder = value;
    else if (std::strcmp(name, "--scene") == 0) options.sceneName = value;
    else if (std::strcmp(name, "--frames") == 0) {
        if (!ParseCount(value, options.frameLimit) || options.frameLimit == 0) {
            error = LDvString("--frames needs a positive number, not ") + value;
            return false;
        }
    } else if (std::strcmp(name, "--desktop") == 0) {
        if (!ParseSize(value, options.desktopWidth, options.desktopHeight)) {
            error = LDvString("--desktop needs a size like 1366x768, not ") + value;
            return false;
        }
    } else if (std::strcmp(name, "--capture-frames") == 0) {
        if (!ParseFrameList(value, options.captureFrames)) {
            error = LDvString("--capture-frames needs frame numbers like 1,30,60, not ") + value;
            return false;
        }
    }
    return true;
}

bool TakesValue(const char* name) {
    for (const char* option : {"--data", "--save", "--input", "--capture", "--frames", "--capture-frames", "--desktop",
                               "--scene"}) {
        if (std::strcmp(name, option) == 0) return true;
    }
    return false;
}

bool ParseFlag(const char* name, ProgramOptions& options) {
    if (std::strcmp(name, "--windowed") == 0) options.windowed = true;
    else if (std::strcmp(name, "--manual-clock") == 0) options.manualClock = true;
    else if (std::strcmp(name, "--no-exit-wait") == 0) options.exitWait = false;
    else if (std::strcmp(name, "--report-first-frame") == 0) options.reportFirstFrame = true;
    else if (std::strcmp(name, "--report-load-times") == 0) options.reportLoadTimes = true;
    else if (std::strcmp(name, "--empty-shell") == 0) options.emptyShell = true;
    else if (std::strcmp(name, "--movie-first") == 0) options.movieFirst = true;
    else if (std::strcmp(name, "--play-first") == 0) options.playFirst = true;
    else if (std::strcmp(name, "--camp-first") == 0) options.campFirst = true;
    else if (std::strcmp(name, "--map-first") == 0) options.mapFirst = true;
    else if (std::strcmp(name, "--any-opengl") == 0) options.anyOpenGl = true;
    else if (std::strcmp(name, "--help") == 0 || std::strcmp(name, "-h") == 0) options.help = true;
    else if (std::strcmp(name, "--version") == 0) options.version = true;
    else return false;
    return true;
}

}  // namespace

bool ParseProgramOptions(int argc, const char* const* argv, ProgramOptions& options, LDvString& error) {
    for (int i = 1; i < argc; ++i) {
        const char* name = argv[i];
        if (TakesValue(name)) {
            const char* value = nullptr;
            if (!TakeValue(argc, argv, i, value, error) || !ParseValueOption(name, value, options, error)) {
                return false;
            }
        } else if (!ParseFlag(name, options)) {
            error = LDvString("unknown option ") + name;
            return false;
        }
    }
    return true;
}

const char* ProgramUsage() {
    return "Usage: quorvane [options]\n"
           "Without options the game starts as a player would start it.\n"
           "\n"
           "  --data DIR              read the game data from DIR\n"
           "  --save DIR              keep the save folder (\"Drovana Games/Quorvane/Ver0.2\") below DIR\n"
           "                          instead of $XDG_DATA_HOME\n"
           "  --windowed              open a window, never full screen\n"
           "  --desktop WxH           size the window as if the desktop were W x H pixels\n"
           "  --frames N              quit after N presented frames\n"
           "  --input FILE            play the scripted input in FILE\n"
           "  --capture DIR           write presented frames to DIR as frame_<N>.png\n"
           "  --capture-frames LIST   only these frames, e.g. 1,30,60 (default: every frame)\n"
           "  --scene NAME            start in the adventure scene NAME (\"Scenes/NAME.psd\") with the\n"
           "                          remembered player, as the map opens it\n"
           "  --manual-clock          run on a clock that only moves with the steps (deterministic)\n"
           "  --no-exit-wait          hand a survey address to the browser without waiting for it\n"
           "  --report-first-frame    print \"first-frame-ns <wall clock ns>\" when the first frame is shown\n"
           "  --report-load-times     print \"load-time <step> <wall ms> <cpu ms>\" per start-up step\n"
           "  --empty-shell           open the window on an empty state and load nothing (measures the\n"
           "                          shell's own start-up)\n"
           "  --movie-first           start on the intro movie with the remembered player\n"
           "  --play-first            start the remembered player on the play screen, not in the camp\n"
           "  --camp-first            start the remembered player in the camp\n"
           "  --map-first             start the remembered player on the island map\n"
           "  --any-opengl            let the accelerated renderer run on any OpenGL, Mesa's llvmpipe\n"
           "                          and other CPU rasterisers included (which the game otherwise\n"
           "                          leaves for its software renderer); the environment variable\n"
           "                          QUORVANE_ANY_OPENGL=1 does the same\n"
           "  --help                  show this text\n"
           "  --version               show the game's version\n"
           "\n"
           "Without a display (DISPLAY or WAYLAND_DISPLAY) the game ends at once with exit status 3;\n"
           "SDL_VIDEODRIVER=dummy runs it without one, for tests and tools.\n";
}
