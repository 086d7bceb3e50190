#pragma once
// The still clutter of the wrecked cabin, painted into its background after the furniture.
#include <cairo.h>

void paintCabinWalls(cairo_t* cr);  // a picture, a life ring, rope, pots and pans
void paintCabinFloor(cairo_t* cr);  // papers, rope, a sack, a boot, rags, shells, shards
