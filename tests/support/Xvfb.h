#pragma once

#include <sys/types.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Bitmap.h"

namespace lymn::test {

// A virtual X server for the tests that start the real program.
class Xvfb {
  public:
    static bool installed();
    // Starts a server on a free display number, its screen of this size.
    explicit Xvfb(Size screen = {1024, 768});
    ~Xvfb();
    bool running() const { return pid_ > 0; }
    // Ends the server at once, as a crash or the end of a session does, under the programs on it.
    void kill();
    const std::string& display() const { return display_; }
    // Starts a program on this display; returns its process id. Its error stream goes to
    // errors().
    pid_t spawn(const std::vector<std::string>& argv, const std::string& workdir = "");
    // The same with variables of the environment set (a value) or removed (nothing).
    using Changes = std::map<std::string, std::optional<std::string>>;
    pid_t spawn(const std::vector<std::string>& argv, const std::string& workdir,
                const Changes& env);
    // What the programs started by spawn() wrote to their error stream.
    std::string errors() const;
    // Runs a command on this display and returns its standard output (trimmed).
    std::string capture(const std::vector<std::string>& argv);
    // Waits for a visible window of the window class (the program name); its id, or nothing.
    std::optional<std::string> waitForWindow(const std::string& windowClass, int timeoutMs);
    // The whole screen as a bitmap (xwd).
    Bitmap screenshot();

  private:
    bool answers();

    pid_t pid_ = -1;
    std::string errorLog_;
    std::string display_;
};

// Reads an XWD file of a TrueColor screen.
Bitmap readXwd(const std::vector<uint8_t>& bytes);
// Stops a process: SIGTERM, then SIGKILL after a moment; returns its exit status (-1 if killed).
int stopProcess(pid_t pid);

}  // namespace lymn::test
