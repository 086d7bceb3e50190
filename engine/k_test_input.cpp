#include "engine/k_test_input.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <sstream>

#include "engine/image_codec.h"
#include "engine/k_clock.h"
#include "engine/k_files.h"
#include "engine/k_log.h"
#include "engine/k_window.h"

namespace {

std::vector<std::string> splitWords(const std::string& line) {
    std::vector<std::string> words;
    std::istringstream stream(line.substr(0, line.find('#')));
    for (std::string word; stream >> word;) words.push_back(word);
    return words;
}

bool readNumber(const std::string& word, long& value) {
    if (word.empty()) return false;
    errno = 0;
    char* end = nullptr;
    value = std::strtol(word.c_str(), &end, 10);
    return errno == 0 && *end == '\0' && value >= INT32_MIN && value <= INT32_MAX;
}

// Reads every word after the kind as a number; false unless there are exactly `count`.
bool readArguments(const std::vector<std::string>& words, size_t count, long* values) {
    if (words.size() != count + 2) return false;
    for (size_t i = 0; i < count; ++i) {
        if (!readNumber(words[i + 2], values[i])) return false;
    }
    return true;
}

bool isButton(long button) { return button >= K_BUTTON_LEFT && button <= K_BUTTON_MIDDLE; }
bool isEngineKey(long key) { return key >= 0 && key < K_KEY_NONE; }

}  // namespace

KEvent KTestInput::mouseEvent(int32_t type, int32_t button, int32_t x, int32_t y) {
    KEvent event;
    event.type = type;
    event.buttonIndex = button;
    event.mouseX = x;
    event.mouseY = y;
    return event;
}

KEvent KTestInput::keyEvent(int32_t type, int32_t engineKey) {
    KEvent event;
    event.type = type;
    event.keyCode = engineKey;
    event.virtualKey = virtualKeyFromEngineKey(engineKey);
    return event;
}

KEvent KTestInput::wheelEvent(int32_t delta) {
    KEvent event;
    event.type = K_EVENT_WHEEL;
    event.keyData = delta;
    return event;
}

KEvent KTestInput::focusEvent(bool gained) {
    KEvent event;
    event.type = gained ? K_EVENT_ACTIVATED : K_EVENT_DEACTIVATED;
    return event;
}

bool KTestInput::parseLine(const std::string& line, std::vector<Scripted>& out) const {
    const std::vector<std::string> words = splitWords(line);
    if (words.empty()) return true;
    long frame = 0;
    if (words.size() < 2 || !readNumber(words[0], frame) || frame < 0) return false;
    Scripted item;
    item.frame = static_cast<uint32_t>(frame);
    const std::string& kind = words[1];
    long a[3] = {0, 0, 0};
    auto add = [&](const KEvent& event) {
        item.event = event;
        out.push_back(item);
    };
    if (kind == "move" && readArguments(words, 2, a)) {
        add(mouseEvent(K_EVENT_MOUSEMOVE, 0, a[0], a[1]));
    } else if ((kind == "down" || kind == "up" || kind == "dblclick") && readArguments(words, 3, a) && isButton(a[0])) {
        const int32_t type = kind == "up" ? K_EVENT_MOUSEUP : K_EVENT_MOUSEDOWN;
        add(mouseEvent(type, a[0], a[1], a[2]));
        if (kind == "dblclick") add(mouseEvent(K_EVENT_DBLCLICK, a[0], a[1], a[2]));
    } else if (kind == "wheel" && readArguments(words, 1, a)) {
        add(wheelEvent(a[0]));
    } else if ((kind == "key" || kind == "keydown" || kind == "keyup") && readArguments(words, 1, a) &&
               isEngineKey(a[0])) {
        if (kind != "keyup") add(keyEvent(K_EVENT_KEYDOWN, a[0]));
        if (kind != "keydown") add(keyEvent(K_EVENT_KEYUP, a[0]));
    } else if (kind == "char" && readArguments(words, 1, a) && a[0] > 0 && a[0] <= 0x10FFFF) {
        item.character = true;
        KEvent event;
        event.character = a[0];
        add(event);
    } else if (kind == "focus" && readArguments(words, 1, a) && (a[0] == 0 || a[0] == 1)) {
        add(focusEvent(a[0] == 1));
    } else if (kind == "quit" && words.size() == 2) {
        item.quit = true;
        out.push_back(item);
    } else {
        return false;
    }
    return true;
}

bool KTestInput::parseScript(const std::string& text) {
    std::vector<Scripted> parsed;
    std::istringstream stream(text);
    int lineNumber = 0;
    for (std::string line; std::getline(stream, line);) {
        ++lineNumber;
        if (!parseLine(line, parsed)) {
            engineLog("Input script: line %d not understood: %s", lineNumber, line.c_str());
            return false;
        }
    }
    for (const Scripted& item : parsed) insert(item);
    return true;
}

bool KTestInput::loadScript(const std::string& path) {
    std::vector<uint8_t> bytes;
    if (!readWholeFile(path, bytes)) {
        engineLog("Input script: cannot read '%s'", path.c_str());
        return false;
    }
    return parseScript(std::string(bytes.begin(), bytes.end()));
}

void KTestInput::insert(const Scripted& item) {
    // After every item of the same frame, so a script keeps its own order.
    auto position = std::upper_bound(queue.begin() + static_cast<long>(nextIndex), queue.end(), item.frame,
                                     [](uint32_t frame, const Scripted& other) { return frame < other.frame; });
    queue.insert(position, item);
}

void KTestInput::queueEvent(uint32_t frame, const KEvent& event) {
    Scripted item;
    item.frame = frame;
    item.event = event;
    insert(item);
}

void KTestInput::queueQuit(uint32_t frame) {
    Scripted item;
    item.frame = frame;
    item.quit = true;
    insert(item);
}

std::string KTestInput::captureFileName(const std::string& folder, uint32_t frame) {
    return folder + "/frame_" + std::to_string(frame) + ".png";
}

void KTestInput::beforePresent(const KWindow& window, uint32_t frame) {
    if (!captureAll && captureFrames.count(frame) == 0) return;
    std::vector<uint32_t> pixels;
    int width = 0;
    int height = 0;
    createFolderPath(captureFolder);
    const std::string path = captureFileName(captureFolder, frame);
    if (!window.readPixels(pixels, width, height) || !writePngFile(path, pixels.data(), width, height)) {
        engineLog("Test input: cannot capture frame %u to '%s'", frame, path.c_str());
        return;
    }
    engineLog("Test input: captured frame %u to '%s'", frame, path.c_str());
}

void KTestInput::deliverDue(KWindow& window, uint32_t frame) {
    while (nextIndex < queue.size() && queue[nextIndex].frame <= frame) {
        // Copied out first: the event handler may queue more input and move the vector.
        Scripted item = queue[nextIndex++];
        if (item.quit) {
            window.closeByPlayer();
        } else if (item.character) {
            window.deliverCharacter(static_cast<uint32_t>(item.event.character));
        } else {
            window.deliverEvent(item.event);
        }
    }
    if (nextIndex == queue.size()) {
        queue.clear();
        nextIndex = 0;
    }
    if (isManualClock()) advanceManualClock(clockStepMs);
}
