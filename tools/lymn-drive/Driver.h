#pragma once

#include <filesystem>
#include <functional>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/Program.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/headless/SimulatedUser.h"
#include "tools/lymn-drive/CommandLine.h"

namespace lymn::tools {

// Runs the real program on the headless backend and plays a user's commands on it, one per
// line, printing every box it shows.
class Driver {
  public:
    // dir: the executable's folder and working directory of the program; scale: that of its
    // windows (1 to 3).
    Driver(const std::filesystem::path& dir, std::ostream& out, std::ostream& err, int scale = 1);
    ~Driver();

    // Runs every line of the script; the exit status: 0, or 2 at an unknown or malformed line.
    int runScript(std::istream& in);
    // Runs one line; false (after a message on the error stream) when it is not a command.
    bool run(const std::string& line);
    TFormLy& form() { return *program_->form(); }

  private:
    using Line = CommandLine;
    using Command = bool (Driver::*)(const Line&);

    Application& application() { return program_->application(); }
    bool command(const Line& line);
    bool pick(const Line& line);
    bool level(const Line& line);
    bool type(const Line& line);
    bool backspace(const Line& line);
    bool spin(const Line& line);
    bool hold(const Line& line);
    bool click(const Line& line);
    bool pointer(const Line& line);
    bool key(const Line& line);
    bool wait(const Line& line);
    bool dump(const Line& line);
    bool sheet(const Line& line);
    bool index(const Line& line);
    bool closed(const Line& line);
    bool table(const Line& line);
    bool pin(const Line& line);
    bool unpin(const Line& line);
    bool shot(const Line& line);
    bool code(const Line& line);
    bool restore(const Line& line);
    bool undo(const Line& line);
    bool redo(const Line& line);
    bool open(const Line& line);
    bool act(const std::function<void()>& work);
    bool save(const Line& line);
    bool load(const Line& line);
    bool builds(const Line& line);
    bool tab(const Line& line);
    bool name(const Line& line);
    bool select(const Line& line);
    bool rows(const Line& line);
    bool clipboard(const Line& line);

    void openAndPick(const std::string& which, int index);
    void focusRank();
    void selectAllOfRank();
    Point spinPoint(const std::string& which);

    HeadlessBackend backend_;
    SimulatedUser user_{backend_};
    std::ostream& out_;
    std::ostream& err_;
    std::unique_ptr<Program> program_;
    int line_ = 0;
};

}  // namespace lymn::tools
