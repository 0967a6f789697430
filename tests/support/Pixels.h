#pragma once

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
// Writes a PNG for looking at a failure.
void savePng(const Bitmap& b, const std::string& path);

}  // namespace lymn::test
