#pragma once

#include <memory>
#include <string>
#include <vector>

#include "store/SqliteImage.h"

namespace lymn::store {

// The connection to the data file. Connecting reads the file whole, refuses anything but a
// database with the standard signature and the program's password, and keeps the image open
// read-only in memory until the connection is closed.
class TADOConnection {
  public:
    explicit TADOConnection(std::string name = "ADOCon") : name_(std::move(name)) {}

    const std::string& name() const { return name_; }
    const std::string& connectionString() const { return connectionString_; }
    void setConnectionString(const std::string& s) { connectionString_ = s; }

    // Raises an error naming the file and saying what is wrong with it when the connection
    // cannot be made.
    void Open();
    // Connects to a file image already read (path names it in errors).
    void OpenImage(std::vector<uint8_t> bytes, const std::string& path);
    void Close() { image_.reset(); }
    bool Connected() const { return static_cast<bool>(image_); }
    SqliteImage& image();
    // The file the open connection read.
    const std::string& path() const { return path_; }

  private:
    std::string name_;
    std::string connectionString_;
    std::unique_ptr<SqliteImage> image_;
    std::string path_;
};

}  // namespace lymn::store
