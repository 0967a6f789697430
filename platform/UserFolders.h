#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace lymn {

// The user's folders as the desktop names them (the XDG base and user directories), read from
// an environment given as a lookup so that tests can set their own.
class UserFolders {
  public:
    // name -> value, or nothing when the variable is unset.
    using Environment = std::function<std::optional<std::string>(const char* name)>;
    static Environment processEnvironment();

    explicit UserFolders(Environment env = processEnvironment());

    // $HOME, else the account's home folder; nothing when neither is known.
    std::optional<std::filesystem::path> home() const;
    // $XDG_DATA_HOME when it is an absolute path, else ~/.local/share.
    std::optional<std::filesystem::path> dataHome() const;
    // $XDG_CONFIG_HOME when it is an absolute path, else ~/.config.
    std::optional<std::filesystem::path> configHome() const;
    // XDG_PICTURES_DIR of user-dirs.dirs in the configuration folder, else ~/Pictures.
    std::optional<std::filesystem::path> pictures() const;

  private:
    std::optional<std::filesystem::path> absoluteVariable(const char* name) const;

    Environment env_;
};

}  // namespace lymn
