#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace lymn {

// What the program is asked to open at start, read from one command-line argument:
//   lymn://build/CODE   a link clicked in a browser or a chat: the scheme and the host in any
//                       case, one trailing "/" allowed, the code percent-decoded, nothing after
//                       it; "lymn:build/CODE" and other shapes of the link are refused, as the
//                       links the program hands out all have the one shape;
//   file:///PATH        a file URL, which launchers may pass for a dropped file, as its path;
//   PATH                a path ending in .jpg or .jpeg in any case, or of any existing file;
//   CODE                otherwise a build code as typed: printable ASCII without blanks, shorter
//                       than kMaxCodeLength (the code reader checks it further).
// An argument that looks like a link of another kind is not taken for a code. Anything else
// raises an Error saying why.
struct LaunchRequest {
    enum class Kind { BuildCode, JpegFile, LinkCode };
    static constexpr size_t kMaxCodeLength = 199;
    // Longer than any path the system opens.
    static constexpr size_t kMaxArgumentLength = 4096;

    Kind kind = Kind::BuildCode;
    std::string code;            // of a BuildCode or a LinkCode
    std::filesystem::path file;  // of a JpegFile

    // Whether a path names an existing file; asked of paths that are not named .jpg.
    using FileTest = std::function<bool(const std::filesystem::path&)>;
    static LaunchRequest fromArgument(std::string_view argument, const FileTest& isFile);
    // The same, asking the file system.
    static LaunchRequest fromArgument(std::string_view argument);
};

}  // namespace lymn
