#include "platform/Application.h"

#include <algorithm>
#include <limits>

#include "platform/Control.h"
#include "platform/Error.h"
#include "platform/Form.h"
#include "platform/MessageBoxForm.h"

namespace lymn {

Application::Application(Backend& backend)
    : backend_(backend), fonts_(std::make_unique<FontSystem>()) {}

Application::~Application() = default;

void Application::registerForm(Form* f) {
    forms_.push_back(f);
}

void Application::unregisterForm(Form* f) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), f), forms_.end());
    modal_.erase(std::remove(modal_.begin(), modal_.end(), f), modal_.end());
    if (mainForm_ == f) mainForm_ = nullptr;
}

Form* Application::formForWindow(uint32_t id) const {
    for (Form* f : forms_)
        if (f->window().id() == id) return f;
    return nullptr;
}

bool Application::anyFormActive() const {
    return std::any_of(forms_.begin(), forms_.end(),
                       [](const Form* f) { return f->windowShown() && f->active(); });
}

void Application::run() {
    if (!mainForm_) return;
    Form* main = mainForm_;
    if (main->closed()) return;
    guarded([main] { main->show(); });
    runUntil([this, main] { return mainForm_ != main || main->closed(); });
}

void Application::endProgram() {
    // The whole program is asked to end: open boxes close as if answered (OK is their only
    // answer), no new ones wait, and the main window closes.
    ending_ = true;
    for (Form* f : std::vector<Form*>(modal_)) guarded([f] { f->close(); });
    if (mainForm_) guarded([this] { mainForm_->close(); });
}

void Application::dispatch(const InputEvent& e) {
    if (e.type == InputEvent::Type::Close && e.window == 0) {
        endProgram();
        return;
    }
    Form* f = formForWindow(e.window);
    if (!f) return;
    // An open popup closes at a press outside it (the press goes no further). When another
    // window loses the focus, the popup checks a moment later whether the focus went to one of
    // the program's windows (the popup itself may take it as it appears).
    if (e.type == InputEvent::Type::MouseDown || e.type == InputEvent::Type::Deactivate) {
        for (Form* p : std::vector<Form*>(forms_)) {
            if (p->kind() != WindowKind::Popup || !p->windowShown() || !p->onOutsideClick) continue;
            if (e.type == InputEvent::Type::Deactivate) {
                setTimer(p, Form::kFocusCheckTimer, 100);
            } else if (p != f) {
                guarded([p] { p->onOutsideClick(); });
                return;
            }
        }
    }
    // A popup takes no keys: they go to the window it belongs to.
    const bool keys = e.type == InputEvent::Type::KeyDown || e.type == InputEvent::Type::KeyUp ||
                      e.type == InputEvent::Type::Text;
    if (keys && f->kind() == WindowKind::Popup && f->ownerForm()) f = f->ownerForm();
    Form* modal = modalForm();
    const bool input = e.type == InputEvent::Type::MouseDown ||
                       e.type == InputEvent::Type::MouseUp || e.type == InputEvent::Type::KeyDown ||
                       e.type == InputEvent::Type::KeyUp || e.type == InputEvent::Type::Text;
    // While a modal form runs, input for the other forms is dropped (popups opened from the
    // modal form stay usable); a click on them, or their taking the focus, brings the modal
    // form back to the front with the keyboard.
    if (modal && f != modal && f->kind() != WindowKind::Popup) {
        const bool reach = e.type == InputEvent::Type::MouseDown ||
                           (e.type == InputEvent::Type::Activate && modal->windowShown());
        if (reach) guarded([modal] { modal->window().activate(); });
        if (input) return;
    }
    guarded([f, &e] { f->handleInput(e); });
}

bool Application::fireDueTimer() {
    const int64_t now = backend_.now();
    auto it = std::min_element(timers_.begin(), timers_.end(),
                               [](const Timer& a, const Timer& b) { return a.due < b.due; });
    if (it == timers_.end() || it->due > now) return false;
    Control* target = it->target;
    const int id = it->id;
    // A late timer fires once and is due again one interval from now, as desktop timers are.
    it->due = now + it->interval;
    guarded([target, id] { target->timer(id); });
    return true;
}

void Application::presentAll() {
    for (Form* f : std::vector<Form*>(forms_))
        if (std::find(forms_.begin(), forms_.end(), f) != forms_.end())
            guarded([f] { f->present(); });
}

void Application::processMessages() {
    for (;;) {
        if (!posted_.empty()) {
            Posted p = std::move(posted_.front());
            posted_.pop_front();
            guarded(p.work);
            continue;
        }
        InputEvent e;
        if (backend_.pollEvent(e)) {
            dispatch(e);
            continue;
        }
        if (fireDueTimer()) continue;
        break;
    }
    presentAll();
}

int64_t Application::nextTimerDue() const {
    int64_t due = std::numeric_limits<int64_t>::max();
    for (const Timer& t : timers_) due = std::min(due, t.due);
    return due;
}

void Application::runUntil(const std::function<bool()>& done) {
    for (;;) {
        processMessages();
        if (done()) return;
        const int64_t due = nextTimerDue();
        if (backend_.headless() && due == std::numeric_limits<int64_t>::max()) {
            // Nothing can happen by itself in the headless backend: ask the idle handler.
            if (!idle_) throw Error("The message loop has nothing left to wait for");
            idle_();
            continue;
        }
        const int64_t wait = due == std::numeric_limits<int64_t>::max()
                                 ? -1
                                 : std::max<int64_t>(0, due - backend_.now());
        backend_.waitEvent(wait);
    }
}

void Application::runFor(int64_t ms) {
    const int64_t end = backend_.now() + ms;
    for (;;) {
        processMessages();
        const int64_t now = backend_.now();
        if (now >= end) break;
        backend_.waitEvent(std::min(nextTimerDue(), end) - now);
    }
    processMessages();
}

void Application::runModal(Form& form) {
    modal_.push_back(&form);
    struct Pop {
        Application& app;
        Form& f;
        ~Pop() {
            app.modal_.erase(std::remove(app.modal_.begin(), app.modal_.end(), &f),
                             app.modal_.end());
        }
    } pop{*this, form};
    form.show();
    runUntil([&form] { return form.closed(); });
}

void Application::post(Control* target, std::function<void()> work) {
    posted_.push_back({target, std::move(work)});
}

void Application::setTimer(Control* target, int id, int intervalMs) {
    // The desktop's shortest timer interval is 10 ms.
    const int interval = std::max(intervalMs, 10);
    for (Timer& t : timers_)
        if (t.target == target && t.id == id) {
            t.interval = interval;
            t.due = backend_.now() + interval;
            return;
        }
    timers_.push_back({target, id, interval, backend_.now() + interval});
}

void Application::killTimer(Control* target, int id) {
    timers_.erase(std::remove_if(timers_.begin(), timers_.end(),
                                 [&](const Timer& t) { return t.target == target && t.id == id; }),
                  timers_.end());
}

bool Application::hasTimer(const Control* target, int id) const {
    return std::any_of(timers_.begin(), timers_.end(),
                       [&](const Timer& t) { return t.target == target && t.id == id; });
}

void Application::forget(Control* c) {
    timers_.erase(std::remove_if(timers_.begin(), timers_.end(),
                                 [c](const Timer& t) { return t.target == c; }),
                  timers_.end());
    posted_.erase(std::remove_if(posted_.begin(), posted_.end(),
                                 [c](const Posted& p) { return p.target == c; }),
                  posted_.end());
}

void Application::showBox(BoxKind kind, const std::string& text) {
    // A box takes the mouse: whatever held it (a pressed button) lets go.
    for (Form* f : forms_) f->setCaptureControl(nullptr);
    if (boxHandler_) {
        boxHandler_(kind, title_, text);
        return;
    }
    if (ending_) return;
    MessageBoxForm box(*this, kind, title_, text);
    // The box belongs to the window that opened it: the modal one on top, else the main one.
    Form* owner = modalForm() ? modalForm() : mainForm_;
    if (owner && owner->windowShown()) box.setOwnerForm(owner);
    runModal(box);
}

void Application::messageBox(const std::string& text) {
    showBox(BoxKind::Message, text);
}

void Application::errorBox(const std::string& message) {
    showBox(BoxKind::Error, errorBoxText(message));
}

void Application::showException(const std::exception_ptr& e) {
    try {
        std::rethrow_exception(e);
    } catch (const Abort&) {
        // The silent kind: nothing is shown.
    } catch (const NoDisplay&) {
        // No box can show it; the program's entry reports it.
        throw;
    } catch (const std::exception& err) {
        // Errors of the runtime and the libraries count as the program's errors.
        errorBox(err.what());
    } catch (...) {
        // Any other thrown object becomes an error of the program's class with an empty text.
        try {
            throw Error("");
        } catch (const Error& err) {
            errorBox(err.what());
        }
    }
}

void Application::guarded(const std::function<void()>& f) {
    try {
        f();
    } catch (...) {
        showException(std::current_exception());
    }
}

}  // namespace lymn
