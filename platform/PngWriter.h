#pragma once

#include <string>

#include "platform/Bitmap.h"

namespace lymn::png {

// Writes the bitmap as a 24-bit PNG file; raises an Error when the file cannot be written.
void write(const Bitmap& bitmap, const std::string& path);
// Reads a PNG file (for tests and tools); raises an Error when it cannot.
Bitmap read(const std::string& path);

}  // namespace lymn::png
