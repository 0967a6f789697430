#include "capture/ScreenshotName.h"

#include <cstdio>

namespace lymn {

std::string formatDateTime(const clock::LocalTime& t, const clock::Separators& s) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%04d%c%02d%c%02d %02d%c%02d%c%02d", t.year, s.date, t.month,
                  s.date, t.day, t.hour, s.time, t.minute, s.time, t.second);
    return buf;
}

std::string screenshotFileName(const clock::LocalTime& t, const clock::Separators& s) {
    const std::string text = formatDateTime(t, s);
    std::string name;
    for (size_t position : {3, 6, 9, 12, 15, 18}) name += text.substr(position - 1, 2);
    return name + ".jpg";
}

}  // namespace lymn
