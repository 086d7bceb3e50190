#include "framework/core/int_cos.h"

#include <cmath>
#include <cstdint>

namespace {

constexpr int kAngles = 360;
constexpr int kUnit = 1024;
constexpr double kPi = 3.141592502593994;      // pi as it was once stored in single precision
constexpr double kRounding = 0.5555555555555556;

struct CosTable {
    int entries[kAngles];

    CosTable() {
        for (int k = 0; k < kAngles; ++k) {
            const float angle = static_cast<float>(2.0 * k * kPi / kAngles);
            const float product = static_cast<float>(std::cos(static_cast<double>(angle)) * kUnit);
            double corrected = product;
            if (product > 0.0f) corrected += kRounding;
            if (product < 0.0f) corrected -= kRounding;
            entries[k] = static_cast<int>(corrected);
        }
    }
};

}  // namespace

int IntCos(int angleDegrees, int radius) {
    static const CosTable table;
    const int angle = ((angleDegrees % kAngles) + kAngles) % kAngles;
    // 64-bit product: large radii must not overflow; the division truncates toward zero.
    const int64_t scaled = static_cast<int64_t>(table.entries[angle]) * radius / kUnit;
    return static_cast<int>(scaled);
}
