#include "app/LaunchRequest.h"

#include <algorithm>
#include <optional>
#include <system_error>

#include "platform/Error.h"

namespace lymn {

namespace {

using Kind = LaunchRequest::Kind;

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return lower(x) == lower(y); });
}

bool endsWithIgnoringCase(std::string_view text, std::string_view end) {
    return text.size() >= end.size() &&
           equalsIgnoringCase(text.substr(text.size() - end.size()), end);
}

bool isControl(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u < 0x20 || u == 0x7F;
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isSchemeCharacter(char c) {
    return isLetter(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (lower(c) >= 'a' && lower(c) <= 'f') return lower(c) - 'a' + 10;
    return -1;
}

bool holds(std::string_view text, bool (*test)(char)) {
    return std::any_of(text.begin(), text.end(), test);
}

bool isBlank(char c) {
    return c == ' ';
}

bool isBeyondAscii(char c) {
    return static_cast<unsigned char>(c) >= 0x80;
}

void checkArgument(std::string_view argument) {
    if (argument.empty()) throw Error("The argument is empty");
    if (argument.size() > LaunchRequest::kMaxArgumentLength)
        throw Error("The argument is too long to be a build code, a file or a link");
    if (holds(argument, isControl)) throw Error("The argument holds control characters");
}

// A build code as given, before the code reader looks at it: printable ASCII without blanks.
std::string checkedCode(std::string_view code, const std::string& what) {
    if (code.empty()) throw Error(what + " holds no build code");
    if (code.size() > LaunchRequest::kMaxCodeLength)
        throw Error(what + " is too long to be a build code");
    if (holds(code, isControl)) throw Error(what + " holds control characters");
    if (holds(code, isBlank)) throw Error(what + " is not a build code: it holds blanks");
    if (holds(code, isBeyondAscii))
        throw Error(what + " is not a build code: it holds characters beyond ASCII");
    return std::string(code);
}

// The scheme of an argument shaped as a URI (a letter, then letters, digits, "+", "-" or "."
// up to a colon); empty for anything else.
std::string_view schemeOf(std::string_view argument) {
    const size_t colon = argument.find(':');
    if (colon == std::string_view::npos || colon == 0 || !isLetter(argument[0])) return {};
    const std::string_view scheme = argument.substr(0, colon);
    return std::all_of(scheme.begin(), scheme.end(), isSchemeCharacter) ? scheme
                                                                        : std::string_view();
}

std::string percentDecoded(std::string_view text, const std::string& what) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        const int high = i + 1 < text.size() ? hexValue(text[i + 1]) : -1;
        const int low = i + 2 < text.size() ? hexValue(text[i + 2]) : -1;
        if (high < 0 || low < 0) throw Error(what + " has a \"%\" without two hex digits after it");
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

// The host and the path (from its "/") of what follows a scheme's colon as "//HOST/PATH".
struct Authority {
    std::string_view host;
    std::string_view path;
};

std::optional<Authority> authorityOf(std::string_view afterColon) {
    if (!afterColon.starts_with("//")) return std::nullopt;
    const std::string_view rest = afterColon.substr(2);
    const size_t slash = rest.find('/');
    if (slash == std::string_view::npos) return Authority{rest, {}};
    return Authority{rest.substr(0, slash), rest.substr(slash)};
}

LaunchRequest link(std::string_view afterColon) {
    const std::string what = "The lymn link";
    const auto parts = authorityOf(afterColon);
    if (!parts) throw Error("A lymn link reads lymn://build/CODE");
    if (!equalsIgnoringCase(parts->host, "build"))
        throw Error(formatMessage("Not a build link: lymn://%s", std::string(parts->host)));
    std::string_view code = parts->path.substr(std::min<size_t>(1, parts->path.size()));
    if (code.ends_with('/')) code.remove_suffix(1);
    if (code.find_first_of("/?#") != std::string_view::npos)
        throw Error("Nothing may follow the code of a lymn link");
    return {Kind::LinkCode, checkedCode(percentDecoded(code, what), what), {}};
}

std::optional<LaunchRequest> jpegFile(const std::string& path,
                                      const LaunchRequest::FileTest& isFile) {
    if (endsWithIgnoringCase(path, ".jpg") || endsWithIgnoringCase(path, ".jpeg") || isFile(path))
        return LaunchRequest{Kind::JpegFile, {}, path};
    return std::nullopt;
}

LaunchRequest fileUrl(std::string_view afterColon, const LaunchRequest::FileTest& isFile) {
    const std::string what = "The file URL";
    const auto parts = authorityOf(afterColon);
    if (!parts || !(parts->host.empty() || equalsIgnoringCase(parts->host, "localhost")) ||
        parts->path.empty())
        throw Error("Only files of this computer are opened, as file:///PATH");
    if (parts->path.find_first_of("?#") != std::string_view::npos)
        throw Error("Nothing may follow the path of a file URL");
    const std::string path = percentDecoded(parts->path, what);
    if (holds(path, isControl)) throw Error("The file URL's path holds control characters");
    if (auto file = jpegFile(path, isFile)) return *file;
    throw Error(formatMessage("Not a JPEG file: %s", path));
}

}  // namespace

LaunchRequest LaunchRequest::fromArgument(std::string_view argument, const FileTest& isFile) {
    checkArgument(argument);
    const std::string text(argument);
    const std::string_view scheme = schemeOf(argument);
    if (equalsIgnoringCase(scheme, "lymn")) return link(argument.substr(scheme.size() + 1));
    if (equalsIgnoringCase(scheme, "file"))
        return fileUrl(argument.substr(scheme.size() + 1), isFile);
    if (!scheme.empty()) {
        // A file whose name merely looks like a link is still opened.
        if (isFile(text)) return {Kind::JpegFile, {}, text};
        throw Error(formatMessage("Links of the kind %s: are not opened", std::string(scheme)));
    }
    if (auto file = jpegFile(text, isFile)) return *file;
    return {Kind::BuildCode, checkedCode(argument, "The argument"), {}};
}

LaunchRequest LaunchRequest::fromArgument(std::string_view argument) {
    return fromArgument(argument, [](const std::filesystem::path& path) {
        std::error_code error;
        return std::filesystem::is_regular_file(path, error);
    });
}

}  // namespace lymn
