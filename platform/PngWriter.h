#pragma once

#include <string>

#include "platform/Bitmap.h"

namespace lymn::png {

// Writes the bitmap as a PNG file (24-bit, or 32-bit with its alpha); raises an Error when the
// file cannot be written.
void write(const Bitmap& bitmap, const std::string& path, bool alpha = false);
// Reads a PNG file (for tests and tools); raises an Error when it cannot.
Bitmap read(const std::string& path);

}  // namespace lymn::png
