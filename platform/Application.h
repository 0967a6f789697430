#pragma once

#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Backend.h"
#include "platform/FontSystem.h"

namespace lymn {

class Control;
class Form;

enum class BoxKind { Message, Error };

// The application object: the title, the forms, the message loop with its posted messages and
// timers, modal loops, and the message and error boxes.
class Application {
  public:
    explicit Application(Backend& backend);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    Backend& backend() { return backend_; }
    FontSystem& fonts() { return *fonts_; }
    // Device pixels per layout unit of every window.
    int scale() const { return backend_.scale(); }

    const std::string& title() const { return title_; }
    void setTitle(const std::string& t) { title_ = t; }

    Form* mainForm() const { return mainForm_; }
    void setMainForm(Form* f) { mainForm_ = f; }
    void registerForm(Form* f);
    void unregisterForm(Form* f);
    Form* formForWindow(uint32_t id) const;
    // Whether one of the program's windows has the focus.
    bool anyFormActive() const;

    // Shows the main form and processes messages until it is closed.
    void run();
    // The session or a signal ends the program: open boxes and the main form close.
    void endProgram();
    bool ending() const { return ending_; }
    // Handles every pending message, event and due timer, then presents what changed.
    void processMessages();
    // Processes messages until done() holds.
    void runUntil(const std::function<bool()>& done);
    // Processes messages for ms milliseconds of the backend's clock.
    void runFor(int64_t ms);
    // Shows the form and processes messages until it closes; input to other forms is held off.
    void runModal(Form& form);
    Form* modalForm() const { return modal_.empty() ? nullptr : modal_.back(); }
    // What a headless modal loop does when nothing is left to process.
    void setIdleHandler(std::function<void()> h) { idle_ = std::move(h); }

    // Work for a control, run by the message loop after what is pending (dropped if the control
    // goes away first); and timers of controls.
    void post(Control* target, std::function<void()> work);
    void setTimer(Control* target, int id, int intervalMs);
    void killTimer(Control* target, int id);
    bool hasTimer(const Control* target, int id) const;
    int64_t nextTimerDue() const;
    // Drops every message and timer of a control that goes away.
    void forget(Control* c);

    // Boxes. The handler, when set, receives them instead of a window (headless use).
    using BoxHandler =
        std::function<void(BoxKind, const std::string& caption, const std::string& text)>;
    void setBoxHandler(BoxHandler h) { boxHandler_ = std::move(h); }
    void messageBox(const std::string& text);
    void errorBox(const std::string& message);
    // Inside a catch block: shows the current exception in the error box; the silent abort is
    // dropped and an object of another class shows an empty text.
    void showException(const std::exception_ptr& e);
    // Runs f; an escaping error goes to the error box.
    void guarded(const std::function<void()>& f);

  private:
    struct Posted {
        Control* target;
        std::function<void()> work;
    };
    struct Timer {
        Control* target;
        int id;
        int interval;
        int64_t due;
    };
    void dispatch(const InputEvent& e);
    bool fireDueTimer();
    void presentAll();
    void showBox(BoxKind kind, const std::string& text);

    Backend& backend_;
    std::unique_ptr<FontSystem> fonts_;
    std::string title_;
    Form* mainForm_ = nullptr;
    std::vector<Form*> forms_;
    std::vector<Form*> modal_;
    bool ending_ = false;
    std::deque<Posted> posted_;
    std::vector<Timer> timers_;
    BoxHandler boxHandler_;
    std::function<void()> idle_;
};

}  // namespace lymn
