#include "platform/Clock.h"

#include <langinfo.h>

#include <cctype>
#include <ctime>

namespace lymn::clock {

LocalTime localNow() {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

namespace {

// The first character of a format that is neither a directive nor a letter, digit or blank.
char firstSeparator(const std::string& format, char fallback) {
    for (size_t i = 0; i < format.size(); ++i) {
        const auto c = static_cast<unsigned char>(format[i]);
        if (c == '%') {
            ++i;
            // Modifiers such as %Ey and %Od.
            if (i < format.size() && (format[i] == 'E' || format[i] == 'O')) ++i;
            continue;
        }
        if (c >= 0x80 || std::isalnum(c) || std::isspace(c)) continue;
        return static_cast<char>(c);
    }
    return fallback;
}

}  // namespace

Separators separatorsFromFormats(const std::string& dateFormat, const std::string& timeFormat) {
    return {firstSeparator(dateFormat, '/'), firstSeparator(timeFormat, ':')};
}

Separators localeSeparators() {
    const char* d = nl_langinfo(D_FMT);
    const char* t = nl_langinfo(T_FMT);
    return separatorsFromFormats(d ? d : "", t ? t : "");
}

}  // namespace lymn::clock
