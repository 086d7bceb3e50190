#pragma once
// What the island map's files share: the canvas it centres on and the player's progress keys
// more than one of them reads or writes.
inline constexpr int kMapCanvasWidth = 1600;
inline constexpr int kMapCanvasHeight = 900;

inline constexpr const char* kMapSection = "MAP";
inline constexpr const char* kExpeditionCountKey = "EXPEDITION_COUNT";
inline constexpr const char* kLocationsSection = "LOCATIONS";
inline constexpr const char* kMapPointerArrow = "ARROW";   // the pointer shape the map leaves behind
