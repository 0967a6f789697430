#pragma once

#include <string>

namespace lymn::clock {

struct LocalTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

struct Separators {
    char date = '/';
    char time = ':';
};

LocalTime localNow();
// The user locale's date and time separators (LC_TIME), "/" and ":" when it gives none.
Separators localeSeparators();
// The separators read from a date and a time format of the C library ("%d.%m.%Y", "%H:%M:%S").
Separators separatorsFromFormats(const std::string& dateFormat, const std::string& timeFormat);

}  // namespace lymn::clock
