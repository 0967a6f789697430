#pragma once

#include <filesystem>
#include <map>
#include <string>

namespace lymn::store {

// The program's password for the data file.
inline constexpr char kDatabasePassword[] = "mqz%tow318";

// The connection string of the data file at the path, exactly as the program forms it.
std::string dataConnectionString(const std::filesystem::path& dataFile);

// "Key=Value;Key='Value';..." split into its parts; keys compared ignoring case.
class ConnectionString {
  public:
    explicit ConnectionString(const std::string& text);
    // The value of a key, or empty.
    std::string value(const std::string& key) const;

  private:
    std::map<std::string, std::string> values_;  // lower-case keys
};

}  // namespace lymn::store
