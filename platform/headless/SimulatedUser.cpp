#include "platform/headless/SimulatedUser.h"

#include "platform/Application.h"
#include "platform/Form.h"
#include "platform/headless/HeadlessBackend.h"

namespace lymn {

void SimulatedUser::move(Form& f, Point p) {
    backend_.mouseMove(f.window().id(), p);
    f.application().processMessages();
}

void SimulatedUser::press(Form& f, Point p, int clicks) {
    move(f, p);
    backend_.mouseDown(f.window().id(), p, MouseButton::Left, clicks);
    f.application().processMessages();
}

void SimulatedUser::release(Form& f, Point p) {
    move(f, p);
    backend_.mouseUp(f.window().id(), p);
    f.application().processMessages();
}

void SimulatedUser::click(Form& f, Point p) {
    press(f, p);
    release(f, p);
}

void SimulatedUser::key(Form& f, Key k, unsigned mods, const std::string& text) {
    backend_.keyDown(f.window().id(), k, mods);
    if (!text.empty()) backend_.text(f.window().id(), text);
    backend_.keyUp(f.window().id(), k, mods);
    f.application().processMessages();
}

void SimulatedUser::type(Form& f, const std::string& text) {
    backend_.text(f.window().id(), text);
    f.application().processMessages();
}

Point SimulatedUser::centre(const Rect& r) {
    return {r.left + r.width() / 2, r.top + r.height() / 2};
}

Point SimulatedUser::centre(const Control& c) {
    return centre(c.formRect());
}

}  // namespace lymn
