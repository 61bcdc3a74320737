#pragma once
// Places and sizes stay in twips in the models; this is the one conversion to the screen's
// pixels: 15 twips to a pixel, as on the 800 by 600 display the layout was made for.
#include <cmath>

// Nearest pixel, halves to the even one (the current rounding mode).
inline int TwipsEnPixels(float twips) { return static_cast<int>(std::nearbyint(twips / 15.0f)); }

// A font size in points (20 twips to a point) as a pixel height.
inline int PointsEnPixels(float points) { return TwipsEnPixels(points * 20.0f); }
