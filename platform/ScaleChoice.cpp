#include "platform/ScaleChoice.h"

#include <cstdlib>
#include <string_view>

namespace lymn {

namespace {

std::optional<int> parseScale(std::string_view text) {
    if (text.size() != 1 || text[0] < '1' || text[0] > '3') return std::nullopt;
    return text[0] - '0';
}

// A resolution in dots per inch: digits with an optional fraction ("96", "192.0").
std::optional<double> parseDpi(const std::string& text) {
    if (text.empty() || text.size() > 16) return std::nullopt;
    char* end = nullptr;
    const double dpi = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !(dpi > 0) || dpi > 10000) return std::nullopt;
    if (text.find_first_not_of("0123456789.") != std::string::npos) return std::nullopt;
    return dpi;
}

ScaleChoice refused(const std::string& value, const char* source) {
    return {1, "lymn-sim: the scale \"" + value + "\" from " + source +
                   " is not 1, 2 or 3; the window is drawn at scale 1"};
}

}  // namespace

ScaleChoice ScaleChoice::choose(const Sources& sources) {
    const std::pair<const std::optional<std::string>*, const char*> given[] = {
        {&sources.option, "--scale"},
        {&sources.lymnScale, "LYMN_SCALE"},
        {&sources.gdkScale, "GDK_SCALE"}};
    for (const auto& [value, source] : given) {
        if (!*value) continue;
        if (const auto scale = parseScale(**value)) return {*scale, {}};
        return refused(**value, source);
    }
    const std::optional<std::string> dpiText = sources.xftDpi ? sources.xftDpi() : std::nullopt;
    if (!dpiText) return {};
    const std::optional<double> dpi = parseDpi(*dpiText);
    if (!dpi)
        return {1, "lymn-sim: the desktop's Xft.dpi \"" + *dpiText +
                       "\" is not a resolution; the window is drawn at scale 1"};
    return {*dpi >= 240 ? 3 : *dpi >= 144 ? 2 : 1, {}};
}

std::optional<std::string> ScaleChoice::variable(const char* name) {
    const char* v = std::getenv(name);
    if (!v || !*v) return std::nullopt;
    return std::string(v);
}

}  // namespace lymn
