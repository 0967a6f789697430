#include "platform/UserFolders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <vector>

namespace lymn {

namespace {

// The value of one line of user-dirs.dirs, `XDG_NAME_DIR="$HOME/Folder"` or an absolute path
// in double quotes; nothing for any other form.
std::optional<std::filesystem::path> userDir(const std::string& line, const std::string& key,
                                             const std::filesystem::path& home) {
    const auto start = line.find_first_not_of(" \t");
    if (start == std::string::npos || line.compare(start, key.size(), key) != 0) return {};
    auto at = line.find_first_not_of(" \t", start + key.size());
    if (at == std::string::npos || line[at] != '=') return {};
    at = line.find_first_not_of(" \t", at + 1);
    if (at == std::string::npos || line[at] != '"') return {};
    // Up to the closing quote; the file escapes quotes and backslashes inside.
    std::string plain;
    size_t i = at + 1;
    for (; i < line.size() && line[i] != '"'; ++i) {
        if (line[i] == '\\' && i + 1 < line.size()) ++i;
        plain += line[i];
    }
    if (i >= line.size()) return {};
    if (plain.rfind("$HOME", 0) == 0) {
        const std::string rest = plain.substr(5);
        if (rest.empty() || rest == "/") return home;
        if (rest[0] != '/') return {};
        return home / rest.substr(1);
    }
    if (!plain.empty() && plain[0] == '/') return std::filesystem::path(plain);
    return {};
}

}  // namespace

UserFolders::Environment UserFolders::processEnvironment() {
    return [](const char* name) -> std::optional<std::string> {
        const char* v = std::getenv(name);
        if (!v) return std::nullopt;
        return std::string(v);
    };
}

UserFolders::UserFolders(Environment env) : env_(std::move(env)) {}

std::optional<std::filesystem::path> UserFolders::absoluteVariable(const char* name) const {
    const auto v = env_(name);
    if (!v || v->empty() || (*v)[0] != '/') return std::nullopt;
    return std::filesystem::path(*v);
}

std::optional<std::filesystem::path> UserFolders::home() const {
    if (auto h = absoluteVariable("HOME")) return h;
    // As the desktop's libraries do when HOME is unset: the account's own entry.
    std::vector<char> buffer(16384);
    struct passwd entry {};
    struct passwd* found = nullptr;
    if (getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
        found->pw_dir && found->pw_dir[0] == '/')
        return std::filesystem::path(found->pw_dir);
    return std::nullopt;
}

std::optional<std::filesystem::path> UserFolders::dataHome() const {
    if (auto d = absoluteVariable("XDG_DATA_HOME")) return d;
    if (auto h = home()) return *h / ".local" / "share";
    return std::nullopt;
}

std::optional<std::filesystem::path> UserFolders::configHome() const {
    if (auto d = absoluteVariable("XDG_CONFIG_HOME")) return d;
    if (auto h = home()) return *h / ".config";
    return std::nullopt;
}

std::optional<std::filesystem::path> UserFolders::pictures() const {
    const auto h = home();
    if (!h) return std::nullopt;
    std::optional<std::filesystem::path> found;
    if (const auto config = configHome()) {
        std::ifstream in(*config / "user-dirs.dirs");
        std::string line;
        // The last assignment counts, as when the shell reads the file.
        while (std::getline(in, line))
            if (auto p = userDir(line, "XDG_PICTURES_DIR", *h)) found = p;
    }
    // A pictures folder set to the home itself means the user turned it off.
    if (found && *found != *h) return found;
    return *h / "Pictures";
}

}  // namespace lymn
