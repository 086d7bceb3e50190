#pragma once
// The log line naming an image resource of a Photoshop document by its ID, with the short
// descriptions Adobe publishes for the IDs.
#include <cstdint>

#include "framework/core/ldv_string.h"

LDvString PsdResourceTypeLine(int resourceId);
