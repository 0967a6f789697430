#include "app/Program.h"

namespace lymn {

Program::Program(Backend& backend, const std::filesystem::path& exeFolder,
                 const std::function<void(Application&)>& configure)
    : Program(backend, FileLocations::portable(exeFolder), configure) {}

Program::Program(Backend& backend, FileLocations locations,
                 const std::function<void(Application&)>& configure)
    : app_(backend) {
    if (configure) configure(app_);
    try {
        app_.setTitle("岚渊角色模拟器");
        form_ = std::make_unique<TFormLy>(app_, std::move(locations));
        FormLy = form_.get();
        app_.setMainForm(form_.get());
        form_->created();
    } catch (...) {
        app_.showException(std::current_exception());
        form_.reset();
    }
}

Program::~Program() {
    // The window and everything it owns go before the application.
    form_.reset();
}

void Program::show() {
    if (!form_) return;
    app_.guarded([this] { form_->show(); });
    app_.processMessages();
}

int Program::run() {
    if (!form_) return 0;
    try {
        app_.run();
    } catch (...) {
        app_.showException(std::current_exception());
    }
    return 0;
}

int runProgram(Backend& backend, const FileLocations& locations,
               const std::function<void(Application&)>& configure) {
    Program program(backend, locations, configure);
    return program.run();
}

}  // namespace lymn
