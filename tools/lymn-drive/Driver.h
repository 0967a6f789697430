#pragma once

#include <filesystem>
#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "app/Program.h"
#include "platform/headless/HeadlessBackend.h"

namespace lymn::tools {

// Runs the real program on the headless backend and plays a user's commands on it, one per
// line, printing every box it shows.
class Driver {
  public:
    // dir: the executable's folder and working directory of the program.
    Driver(const std::filesystem::path& dir, std::ostream& out, std::ostream& err);
    ~Driver();

    // Runs every line of the script; the exit status: 0, or 2 at an unknown or malformed line.
    int runScript(std::istream& in);
    // Runs one line; false (after a message on the error stream) when it is not a command.
    bool run(const std::string& line);
    TFormLy& form() { return *program_->form(); }
    Application& application() { return program_->application(); }

  private:
    bool command(const std::vector<std::string>& words);
    void click(Form& f, Point p);
    void press(Form& f, Point p);
    void release(Form& f, Point p);
    void pick(const std::string& which, int index);
    void focusRank();
    Point spinPoint(const std::string& which);
    void dump();
    void sheet();

    HeadlessBackend backend_;
    std::ostream& out_;
    std::ostream& err_;
    std::unique_ptr<Program> program_;
    int line_ = 0;
};

}  // namespace lymn::tools
