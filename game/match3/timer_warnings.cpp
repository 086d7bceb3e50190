#include "game/match3/timer_warnings.h"

namespace {

constexpr int32_t kStepsPerSecond = 60;
constexpr int32_t kSecondsPerMinute = 60;
constexpr int32_t kLastSeconds = 5;

// The fractions are compared in integers: timeLeft / timeTotal <= n / d without rounding.
bool AtMost(int32_t timeLeft, int32_t timeTotal, int64_t n, int64_t d) {
    return static_cast<int64_t>(timeLeft) * d <= static_cast<int64_t>(timeTotal) * n;
}

bool Below(int32_t timeLeft, int32_t timeTotal, int64_t n, int64_t d) {
    return static_cast<int64_t>(timeLeft) * d < static_cast<int64_t>(timeTotal) * n;
}

// Sets `flag` and answers `beeps` the first time `reached` holds.
int Once(bool& flag, bool reached, int beeps) {
    if (flag || !reached) return 0;
    flag = true;
    return beeps;
}

}  // namespace

void TimerWarnings::reset() { *this = TimerWarnings(); }

int TimerWarnings::beepsFor(int32_t timeLeft, int32_t timeTotal, bool casual) {
    const int lastSeconds = lastSecondsBeeps(timeLeft);  // follows the display in either mode
    return thresholdBeeps(timeLeft, timeTotal, casual) + (casual ? 0 : lastSeconds);
}

int TimerWarnings::thresholdBeeps(int32_t timeLeft, int32_t timeTotal, bool casual) {
    if (timeTotal <= 0) return 0;
    if (casual) return Once(at20, AtMost(timeLeft, timeTotal, 1, 5), 2);
    int beeps = Once(at40, AtMost(timeLeft, timeTotal, 2, 5), 1);
    beeps += Once(below30, Below(timeLeft, timeTotal, 3, 10), 1);
    beeps += Once(at20, AtMost(timeLeft, timeTotal, 1, 5), 2);
    beeps += Once(at10, AtMost(timeLeft, timeTotal, 1, 10), 2);
    beeps += Once(at5, AtMost(timeLeft, timeTotal, 1, 20), 2);
    return beeps;
}

int TimerWarnings::lastSecondsBeeps(int32_t timeLeft) {
    const int32_t seconds = timeLeft / kStepsPerSecond;
    const int32_t shown = seconds % kSecondsPerMinute;
    const bool lastMinute = seconds < kSecondsPerMinute;
    const bool dropped = shownSeconds >= 0 && shown < shownSeconds;
    shownSeconds = shown;
    return lastMinute && dropped && shown < kLastSeconds ? 2 : 0;
}
