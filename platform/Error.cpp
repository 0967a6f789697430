#include "platform/Error.h"

namespace lymn {

std::string errorBoxText(const std::string& message) {
    if (message.empty()) return message;
    // The last byte of a UTF-8 multibyte character is >= 0x80, so it sorts after "." as the
    // character itself does.
    const auto last = static_cast<unsigned char>(message.back());
    return last > '.' ? message + "." : message;
}

std::string formatMessage(const std::string& pattern, const std::string& argument) {
    const auto at = pattern.find("%s");
    if (at == std::string::npos) return pattern;
    return pattern.substr(0, at) + argument + pattern.substr(at + 2);
}

}  // namespace lymn
