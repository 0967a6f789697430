#pragma once

#include <map>
#include <string>

#include "platform/Bitmap.h"

namespace lymn::art {

using Pictures = std::map<std::string, Bitmap>;

// Every picture of the theme table for the five styles, and the two form backgrounds, drawn by
// rule.
Pictures themePictures();

}  // namespace lymn::art
