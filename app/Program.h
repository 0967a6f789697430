#pragma once

#include <filesystem>
#include <functional>
#include <memory>

#include "app/Frmly.h"
#include "platform/Application.h"
#include "platform/Backend.h"

namespace lymn {

// The program entry: initialises the application, sets its title, creates the main window
// (which runs its creation event), then shows it and processes messages until it closes.
// Errors of these steps go to the error box.
class Program {
  public:
    // configure runs on the new application before anything else (a driver installs its box
    // handler there).
    Program(Backend& backend, FileLocations locations,
            const std::function<void(Application&)>& configure = {});
    // A portable folder: the program's files beside it in exeFolder.
    Program(Backend& backend, const std::filesystem::path& exeFolder,
            const std::function<void(Application&)>& configure = {});
    ~Program();

    Application& application() { return app_; }
    TFormLy* form() { return form_.get(); }
    // Makes the main window visible (its show event runs).
    void show();
    // Shows the window and runs the message loop until it closes. Returns 0 in every case.
    int run();

  private:
    Application app_;
    std::unique_ptr<TFormLy> form_;
};

// configure as for Program.
int runProgram(Backend& backend, const FileLocations& locations,
               const std::function<void(Application&)>& configure = {});

}  // namespace lymn
