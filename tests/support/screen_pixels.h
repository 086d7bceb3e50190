#pragma once
// Colours read back from a drawn frame, and tables of expected samples checked against them:
// what every test that draws into an off-screen window and looks at the result shares.
#include <cstdint>
#include <initializer_list>
#include <ostream>
#include <vector>

struct Rgb {
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Rgb& colour);

// The plain colours test pictures are made of.
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kGreen{0, 255, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kYellow{255, 255, 0};

// A pixel as the engine reads it back (bytes R, G, B, A in memory order), alpha dropped.
Rgb ColourOf(uint32_t pixel);
// The pixel at (x, y) of a frame `width` pixels wide.
Rgb ColourAt(const std::vector<uint32_t>& frame, int width, int x, int y);

struct PixelSample {
    const char* what;
    int x, y;
    Rgb colour;
};

// Expects every sample's pixel to show its colour, each channel within `tolerance`.
void ExpectPixels(const std::vector<uint32_t>& frame, int width, std::initializer_list<PixelSample> samples,
                  int tolerance = 0);
