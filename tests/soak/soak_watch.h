#pragma once
// What a soak run keeps an eye on: the process's resident memory (sampled every minute, with the
// first, last and highest sample), the screens the player reached, and a watchdog thread that ends
// the process with a report when no frame has been presented for too long (a hang).
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <thread>

class Match3;

// The resident set of this process in kilobytes (0 when /proc cannot tell).
long ResidentKilobytes();

class MemoryLog {
public:
    void Sample(int minute);
    long First() const { return first; }
    long Last() const { return last; }
    long Peak() const { return peak; }

private:
    long first = -1;
    long last = 0;
    long peak = 0;
};

// The name of what the player sees: the current state's class, the scene's name or the camp's build
// menu, and the tip dialog floating over it.
std::string ScreenName(Match3& game);

class ScreenTally {
public:
    void Count(const std::string& screen) { ++frames[screen]; }
    bool Reached(const std::string& screen) const { return frames.count(screen) != 0; }
    const std::map<std::string, uint64_t>& Frames() const { return frames; }

private:
    std::map<std::string, uint64_t> frames;  // frames presented on each screen
};

class HangWatch {
public:
    explicit HangWatch(std::chrono::seconds limit);
    ~HangWatch();
    HangWatch(const HangWatch&) = delete;
    HangWatch& operator=(const HangWatch&) = delete;

    // Called by the run as it progresses; `where` names the screen for the report.
    void Alive(const std::string& where);

private:
    void Watch();

    std::chrono::seconds limit;
    std::mutex mutex;
    std::condition_variable wake;
    std::chrono::steady_clock::time_point lastAlive;
    std::string lastWhere;
    bool stopping = false;
    std::thread thread;
};
