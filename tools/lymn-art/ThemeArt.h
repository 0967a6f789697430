#pragma once

#include <map>
#include <string>

#include "platform/Bitmap.h"

namespace lymn::art {

using Pictures = std::map<std::string, Bitmap>;

// Every picture of the theme table for the five styles, and the two form backgrounds, drawn by
// rule at the scale: the layout size of scale 1, scale x scale device pixels a unit.
Pictures themePictures(int scale = 1);

}  // namespace lymn::art
