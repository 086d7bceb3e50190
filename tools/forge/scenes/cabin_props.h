#pragma once
// The wrecked supply cabin ("medical_supplies_hog"): the ship's medicine spilled among the
// wreckage, and the wreckage that half hides it. Each painter draws one thing round (cx, cy) at
// `size` pixels across, turned by `angle` radians, so the scene and the inventory share them.
#include <cairo.h>

enum class Supply { Bandage, Vial, Scissors, Thermometer, Stethoscope, Tweezers, Iodine, Mortar, Spectacles };

void paintSupply(cairo_t* cr, Supply supply, double cx, double cy, double size, double angle);

// Where one hidden object lies: its section name, what it is and how it is painted.
struct HiddenSupply {
    const char* section;  // the item's name in upper case, numbered when there are several
    const char* item;     // the inventory picture's file name (the item id in lower case)
    Supply supply;
    double x, y, size, angle;
};

// Every hidden object, in the order their sections stack (bottom-most first).
extern const HiddenSupply kHiddenSupplies[13];

namespace cabin {
// The wall cabinet whose door hides one vial.
constexpr double kLockerX = 606, kLockerY = 196, kLockerWidth = 150, kLockerHeight = 190;
constexpr double kFloorY = 560;   // where the back wall meets the floor
constexpr double kHoleX = 1330, kHoleY = 190;  // the hole the sea broke through the hull
}  // namespace cabin

void paintLockerDoor(cairo_t* cr);     // closed
void paintLockerOpenDoor(cairo_t* cr); // swung open to the left
void paintHangingNet(cairo_t* cr);     // over the crates on the left
void paintFallenPlank(cairo_t* cr);    // across the floor in front of the chest
void paintSeaweed(cairo_t* cr);        // washed in under the hole
