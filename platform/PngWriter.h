#pragma once

#include <string>

#include "platform/Bitmap.h"

namespace lymn::png {

// Writes the bitmap as a PNG file (24-bit, or 32-bit with its alpha), through a temporary file
// renamed into place when whole; raises an Error (and leaves no file) when it cannot.
void write(const Bitmap& bitmap, const std::string& path, bool alpha = false);
// Reads a PNG file (for tests and tools); raises an Error when it cannot.
Bitmap read(const std::string& path);

}  // namespace lymn::png
