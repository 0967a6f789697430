#pragma once

#include <optional>
#include <string>

#include "platform/Bitmap.h"

namespace lymn::test {

// Bounding box of the pixels inside r that differ from the background colour.
Rect inkBox(const Bitmap& b, const Rect& r, Color background);
// Number of pixels of exactly this colour inside r.
int countColor(const Bitmap& b, const Rect& r, Color c);
// Whether every pixel in r has this colour.
bool allColor(const Bitmap& b, const Rect& r, Color c);
std::string hex(Color c);
// Whether every device pixel of the unit (x, y) has this colour.
bool blockIs(const Bitmap& b, int x, int y, Color c);
// The first unit of r whose whole block of device pixels in scaled does not have the colour of
// that unit in one (the picture at scale 1, of the same layout size); none: nullopt.
std::optional<Point> firstBlockDifference(const Bitmap& one, const Bitmap& scaled, const Rect& r);
// Writes a PNG for looking at a failure.
void savePng(const Bitmap& b, const std::string& path);

}  // namespace lymn::test
