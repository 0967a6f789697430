#pragma once

#include <string>

#include "platform/Clock.h"

namespace lymn {

// The local time as "yyyy/mm/dd hh:mm:ss" with the locale's separators (one character each).
std::string formatDateTime(const clock::LocalTime& t, const clock::Separators& s);
// The screenshot's file name: the two-character pieces of that text starting at the 1-based
// positions 3, 6, 9, 12, 15 and 18, joined, then ".jpg" ("080305140709.jpg").
std::string screenshotFileName(const clock::LocalTime& t, const clock::Separators& s);

}  // namespace lymn
